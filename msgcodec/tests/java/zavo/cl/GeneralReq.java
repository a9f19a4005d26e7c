package zavo.cl;

public class GeneralReq implements java.io.Serializable {
  public byte isLan;
}
