package zavo.cl;

public class Report extends Request {
  public Item[] items;
  public GeneralReq general;
  public String note;
  // Unknown to the C++ class: skipped there, default here when the C++ side writes.
  public String futureText;
  public int futureInt;
  public long futureLong;
  public double futureDouble;
  public byte[] futureBytes;
  public Header futureObject;
  public Header[] futureList;
}
