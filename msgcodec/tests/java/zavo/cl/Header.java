package zavo.cl;

// The peer's side of the test class zavo.cl.Header.
public class Header implements java.io.Serializable {
  public int cnc;
  public int cnu;
  public long cnr;
  public int session;
  public int os;
}
