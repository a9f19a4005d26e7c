package zavo.cl;

// One event of the behaviour report.
public class EventReq implements java.io.Serializable {
  public int recType;
  public long cnu;
  public long evTmSrvr;
  public long evTmLcl;
  public long duration;
  public long clVer;
  public long cnr;
  public String ssid;
  public int failReason;
}
