package zavo.cl;

public class Response implements java.io.Serializable {
  public int resID;
  public Header header;
}
