// Writes messages with Caucho's HessianOutput for the hesdump test:
//   HesdumpPeer DIR   writes DIR/call.bin (a call of Hessian's own version, 0x01 0x00, with two
//                     arguments), DIR/reply.bin and DIR/reply_ref.bin (a back-reference "R")
import com.caucho.hessian.io.HessianOutput;
import java.io.FileOutputStream;
import java.io.OutputStream;
import java.util.Date;
import zavo.cl.GeneralReq;
import zavo.cl.Header;
import zavo.cl.Item;
import zavo.cl.Report;

public class HesdumpPeer {
  static Report report() {
    Report r = new Report();
    r.reqID = 7;
    r.header = new Header();
    r.header.cnc = 1;
    r.header.cnu = -2;
    r.header.cnr = 1L << 40;
    Item i = new Item();
    i.flag = true;
    i.i8 = (byte) -1;
    i.i16 = (short) -70;
    i.u32 = -1;
    i.i64 = Long.MIN_VALUE;
    i.dbl = -2.5;
    i.date = new Date(-1L);
    i.text = "Gr\u00fc\u00dfe \uD83D\uDE00";
    i.blob = new byte[] {0, 0x11, (byte) 0xC5};
    i.comment = null;
    r.items = new Item[] {i};
    r.general = new GeneralReq();
    r.general.isLan = 1;
    r.note = "";
    r.futureList = new Header[0];
    return r;
  }

  public static void main(String[] args) throws Exception {
    try (OutputStream os = new FileOutputStream(args[0] + "/call.bin")) {
      HessianOutput out = new HessianOutput(os);
      out.call("sendReport", new Object[] {report(), 5});
      out.flush();
    }
    try (OutputStream os = new FileOutputStream(args[0] + "/reply.bin")) {
      HessianOutput out = new HessianOutput(os);
      Header h = new Header();
      h.session = 3;
      out.startReply();
      out.writeObject(h);
      out.completeReply();
      out.flush();
    }
    try (OutputStream os = new FileOutputStream(args[0] + "/reply_ref.bin")) {
      HessianOutput out = new HessianOutput(os);
      Report r = report();
      r.futureObject = r.header;
      out.startReply();
      out.writeObject(r);
      out.completeReply();
      out.flush();
    }
  }
}
