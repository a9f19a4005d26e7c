// The Java side of the behaviour report's road to a server, through Caucho's HessianInput and
// HessianOutput.
//   BehaviorPeer check-report FILE   reads the report call the C++ driver built, checks every field
//   BehaviorPeer write-reply DIR     writes behavior_reply.bin, a zavo.cl.ResBehavior reply
// The values are computed here and in behavior_peer_driver.cc by the same formulas.
import com.caucho.hessian.io.HessianInput;
import com.caucho.hessian.io.HessianOutput;
import java.io.FileInputStream;
import java.io.FileOutputStream;
import java.io.InputStream;
import java.io.OutputStream;
import java.util.Arrays;
import zavo.cl.EventReq;
import zavo.cl.Header;
import zavo.cl.MeasureReq;
import zavo.cl.ReqBehavior;
import zavo.cl.ResBehavior;

public class BehaviorPeer {
  static final int COUNT = 1000;

  // The value of field k of record i; int fields take the low 32 bits.
  static long value(int i, int k) {
    long v = (i + 1L) * 0x9E3779B97F4A7C15L + k * 0x100000001L;
    return k % 2 == 0 ? v : -v;
  }

  static byte[] bssid(int i) {
    if (i % 10 == 0) return null;
    return new byte[] {(byte) i, (byte) (i >> 8), (byte) 0xAA, (byte) 0xBB, (byte) 0xCC,
                       (byte) (i % 7)};
  }

  static String ssid(int i) {
    if (i % 10 == 0) return null;
    if (i % 10 == 1) return "";
    return "ssid-" + i + " caf\u00e9 \u20ac \u4e2d";
  }

  static int failures = 0;

  static void check(String what, Object expected, Object actual) {
    boolean same = expected instanceof byte[] && actual instanceof byte[]
        ? Arrays.equals((byte[]) expected, (byte[]) actual)
        : expected == null ? actual == null : expected.equals(actual);
    if (!same && failures++ < 20) {
      System.out.println("MISMATCH " + what + ": expected " + expected + " got " + actual);
    }
  }

  static void checkReport(String file) throws Exception {
    try (InputStream is = new FileInputStream(file)) {
      HessianInput in = new HessianInput(is);
      in.startCall();
      check("method", "reportBehavior", in.getMethod());
      ReqBehavior r = (ReqBehavior) in.readObject(ReqBehavior.class);
      in.completeCall();
      check("reqID", 31, r.reqID);
      check("header.cnc", 1001, r.header.cnc);
      check("header.cnu", -1002, r.header.cnu);
      check("header.cnr", 0x7FEDCBA987654321L, r.header.cnr);
      check("header.session", 1004, r.header.session);
      check("header.os", 1005, r.header.os);
      check("measureList.length", COUNT, r.measureList.length);
      check("eventList.length", COUNT, r.eventList.length);
      for (int i = 0; i < COUNT && i < r.measureList.length; i++) {
        MeasureReq m = r.measureList[i];
        String at = "measureList[" + i + "].";
        check(at + "recType", (int) value(i, 1), m.recType);
        check(at + "cnu", value(i, 2), m.cnu);
        check(at + "cnr", value(i, 3), m.cnr);
        check(at + "bssid", bssid(i), m.bssid);
        check(at + "crTmSrvr", value(i, 5), m.crTmSrvr);
        check(at + "crTmLcl", value(i, 6), m.crTmLcl);
        check(at + "duration", value(i, 7), m.duration);
        check(at + "sessType", (int) value(i, 8), m.sessType);
        check(at + "wifiRx", value(i, 9), m.wifiRx);
        check(at + "wifiTx", value(i, 10), m.wifiTx);
        check(at + "cellRx", value(i, 11), m.cellRx);
        check(at + "cellTx", value(i, 12), m.cellTx);
        check(at + "totalConnTm", value(i, 13), m.totalConnTm);
        check(at + "apConnTm", value(i, 14), m.apConnTm);
        check(at + "bw", (int) value(i, 15), m.bw);
        check(at + "connDev", (int) value(i, 16), m.connDev);
        check(at + "connDevBitmask", value(i, 17), m.connDevBitmask);
      }
      for (int i = 0; i < COUNT && i < r.eventList.length; i++) {
        EventReq e = r.eventList[i];
        String at = "eventList[" + i + "].";
        check(at + "recType", (int) value(i, 21), e.recType);
        check(at + "cnu", value(i, 22), e.cnu);
        check(at + "evTmSrvr", value(i, 23), e.evTmSrvr);
        check(at + "evTmLcl", value(i, 24), e.evTmLcl);
        check(at + "duration", value(i, 25), e.duration);
        check(at + "clVer", value(i, 26), e.clVer);
        check(at + "cnr", value(i, 27), e.cnr);
        check(at + "ssid", ssid(i), e.ssid);
        check(at + "failReason", (int) value(i, 29), e.failReason);
      }
    }
  }

  static void writeReply(String dir) throws Exception {
    ResBehavior r = new ResBehavior();
    r.resID = 4242;
    r.header = new Header();
    r.header.cnc = 21;
    r.header.cnu = -22;
    r.header.cnr = -0x0123456789ABCDEFL;
    r.header.session = 24;
    r.header.os = 25;
    r.status = 200;
    r.desc = "accepted: 1000 measurements, 1000 events \u00fc";
    try (OutputStream os = new FileOutputStream(dir + "/behavior_reply.bin")) {
      HessianOutput out = new HessianOutput(os);
      out.startReply();
      out.writeObject(r);
      out.completeReply();
      out.flush();
    }
  }

  public static void main(String[] args) throws Exception {
    if (args.length == 2 && args[0].equals("check-report")) {
      checkReport(args[1]);
    } else if (args.length == 2 && args[0].equals("write-reply")) {
      writeReply(args[1]);
    } else {
      System.out.println("usage: BehaviorPeer check-report FILE | write-reply DIR");
      System.exit(2);
    }
    if (failures > 0) {
      System.out.println(failures + " mismatches");
      System.exit(1);
    }
    System.out.println("behavior peer: " + args[0] + " ok");
  }
}
