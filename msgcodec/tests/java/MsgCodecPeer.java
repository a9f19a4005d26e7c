// The Java side of msgcodec_java_peer, speaking Hessian 1.0 through Caucho's HessianInput and
// HessianOutput.
//   MsgCodecPeer check-call FILE   reads the call the C++ driver built and checks every value
//   MsgCodecPeer write-reply DIR   writes reply.bin (and reply_ref.bin, with a back-reference)
// The expected values are computed here and in java_peer_driver.cc by the same formulas.
import com.caucho.hessian.io.HessianInput;
import com.caucho.hessian.io.HessianOutput;
import java.io.FileInputStream;
import java.io.FileOutputStream;
import java.io.InputStream;
import java.io.OutputStream;
import java.util.Arrays;
import java.util.Date;
import zavo.cl.GeneralReq;
import zavo.cl.Header;
import zavo.cl.Item;
import zavo.cl.Report;

public class MsgCodecPeer {
  static final char[] ALPHABET = {
    'a', 'Z', '0', ' ', '\u00e9', '\u20ac', '\u4e2d', '\u00ff', '\u07e6', '~'
  };

  // n UTF-16 units; with astral, a U+1F600 pair at every 998/999 position of each thousand.
  static String text(int n, int seed, boolean astral) {
    StringBuilder sb = new StringBuilder(n);
    for (int i = 0; i < n; i++) {
      if (astral && i % 1000 == 998 && i + 1 < n) {
        sb.append('\uD83D');
      } else if (astral && i % 1000 == 999) {
        sb.append('\uDE00');
      } else {
        sb.append(ALPHABET[(i * 7 + seed) % ALPHABET.length]);
      }
    }
    return sb.toString();
  }

  static byte[] bytes(int n, int seed) {
    byte[] b = new byte[n];
    for (int i = 0; i < n; i++) b[i] = (byte) ((i * 31 + seed) & 0xFF);
    return b;
  }

  static int failures = 0;

  static void check(String what, Object expected, Object actual) {
    boolean same;
    if (expected instanceof byte[] && actual instanceof byte[]) {
      same = Arrays.equals((byte[]) expected, (byte[]) actual);
    } else {
      same = expected == null ? actual == null : expected.equals(actual);
    }
    if (!same) {
      failures++;
      String e = String.valueOf(expected);
      String a = String.valueOf(actual);
      System.out.println("MISMATCH " + what + ": expected "
          + (e.length() > 80 ? e.substring(0, 80) + "..." : e) + " got "
          + (a.length() > 80 ? a.substring(0, 80) + "..." : a));
    }
  }

  static void checkCall(String file) throws Exception {
    try (InputStream is = new FileInputStream(file)) {
      HessianInput in = new HessianInput(is);
      in.startCall();
      check("method", "sendReport", in.getMethod());
      Report r = (Report) in.readObject(Report.class);
      in.completeCall();
      check("reqID", 77, r.reqID);
      check("header.cnc", 1, r.header.cnc);
      check("header.cnu", -2, r.header.cnu);
      check("header.cnr", 0x0123456789ABCDEFL, r.header.cnr);
      check("header.session", Integer.MAX_VALUE, r.header.session);
      check("header.os", Integer.MIN_VALUE, r.header.os);
      check("items.length", 3, r.items.length);

      Item a = r.items[0];
      check("a.flag", true, a.flag);
      check("a.i8", (byte) -128, a.i8);
      check("a.u8", 255, a.u8);
      check("a.i16", (short) -32768, a.i16);
      check("a.u16", 65535, a.u16);
      check("a.i32", -123456789, a.i32);
      check("a.u32", -1, a.u32);  // 4294967295 travels bit for bit
      check("a.i64", Long.MIN_VALUE, a.i64);
      check("a.u64", -1L, a.u64);
      check("a.dbl", 3.141592653589793, a.dbl);
      check("a.date", new Date(1700000000123L), a.date);
      check("a.text", text(70000, 1, false), a.text);
      check("a.blob", bytes(70000, 5), a.blob);
      check("a.comment", null, a.comment);

      Item b = r.items[1];  // defaults
      check("b.flag", false, b.flag);
      check("b.i64", 0L, b.i64);
      check("b.dbl", 0.0, b.dbl);
      check("b.date", new Date(0), b.date);
      check("b.text", null, b.text);
      check("b.blob", null, b.blob);

      Item c = r.items[2];
      check("c.i8", (byte) 7, c.i8);
      check("c.u32", (int) 3000000000L, c.u32);
      check("c.dbl", -1.5e300, c.dbl);
      check("c.text", "", c.text);
      check("c.blob", new byte[0], c.blob);

      check("general.isLan", (byte) 1, r.general.isLan);
      check("note", "Gr\u00fc\u00dfe \u20ac \u4e2d\u6587", r.note);
      check("futureText", null, r.futureText);
      check("futureObject", null, r.futureObject);
      check("futureList", null, r.futureList);
    }
  }

  static Item replyItem(int seed) {
    Item i = new Item();
    i.flag = seed % 2 == 0;
    i.i8 = (byte) (-128 + seed);
    i.u8 = 200 + seed;
    i.i16 = (short) (-30000 - seed);
    i.u16 = 40000 + seed;
    i.i32 = 2000000000 + seed;
    i.u32 = -2 - seed;
    i.i64 = Long.MAX_VALUE - seed;
    i.u64 = -1L - seed;
    i.dbl = 1.0 / (seed + 3);
    i.date = new Date(1600000000000L + seed);
    i.text = text(100000, seed, true);
    i.blob = bytes(70000 + seed, seed);
    i.comment = "unknown to C++ " + seed;
    return i;
  }

  static Report reply() {
    Report r = new Report();
    r.reqID = 99;
    r.header = new Header();
    r.header.cnc = 11;
    r.header.cnu = -12;
    r.header.cnr = -0x0123456789ABCDEFL;
    r.header.session = 14;
    r.header.os = 15;
    r.items = new Item[] {replyItem(0), replyItem(1)};
    r.general = null;
    r.note = null;
    r.futureText = text(40000, 3, true);
    r.futureInt = 5;
    r.futureLong = 6;
    r.futureDouble = 7.5;
    r.futureBytes = bytes(100, 1);
    r.futureObject = new Header();
    r.futureList = new Header[] {new Header(), new Header()};
    return r;
  }

  static void write(String file, Object value) throws Exception {
    try (OutputStream os = new FileOutputStream(file)) {
      HessianOutput out = new HessianOutput(os);
      out.startReply();
      out.writeObject(value);
      out.completeReply();
      out.flush();
    }
  }

  public static void main(String[] args) throws Exception {
    if (args.length == 2 && args[0].equals("check-call")) {
      checkCall(args[1]);
    } else if (args.length == 2 && args[0].equals("write-reply")) {
      write(args[1] + "/reply.bin", reply());
      // The same header object twice: the peer writes the second as a back-reference "R".
      Report shared = reply();
      shared.futureObject = shared.header;
      write(args[1] + "/reply_ref.bin", shared);
    } else {
      System.out.println("usage: MsgCodecPeer check-call FILE | write-reply DIR");
      System.exit(2);
    }
    if (failures > 0) {
      System.out.println(failures + " mismatches");
      System.exit(1);
    }
    System.out.println("java peer: " + args[0] + " ok");
  }
}
