package zavo.cl;

// One record per Wi-Fi connection of the behaviour report.
public class MeasureReq implements java.io.Serializable {
  public int recType;
  public long cnu;
  public long cnr;
  public byte[] bssid;
  public long crTmSrvr;
  public long crTmLcl;
  public long duration;
  public int sessType;
  public long wifiRx;
  public long wifiTx;
  public long cellRx;
  public long cellTx;
  public long totalConnTm;
  public long apConnTm;
  public int bw;
  public int connDev;
  public long connDevBitmask;
}
