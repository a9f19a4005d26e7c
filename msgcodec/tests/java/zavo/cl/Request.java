package zavo.cl;

public class Request implements java.io.Serializable {
  public int reqID;
  public Header header;
}
