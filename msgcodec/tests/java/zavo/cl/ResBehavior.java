package zavo.cl;

public class ResBehavior extends Response {
  public int status;  // unsigned 8-bit on the C++ side
  public String desc;
}
