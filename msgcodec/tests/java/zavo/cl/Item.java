package zavo.cl;

// One member of every kind; the unsigned C++ members travel in wider or same-width Java fields.
public class Item implements java.io.Serializable {
  public boolean flag;
  public byte i8;
  public int u8;
  public short i16;
  public int u16;
  public int i32;
  public int u32;
  public long i64;
  public long u64;
  public double dbl;
  public java.util.Date date;
  public String text;
  public byte[] blob;
  // Unknown to the C++ class: skipped there.
  public String comment;
}
