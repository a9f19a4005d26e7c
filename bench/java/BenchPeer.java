// The Java side of bench_java: Caucho's HessianOutput and HessianInput, driven by the C++
// program through standard input and output, one command a line:
//   write N        writes the report N times as a call; answers "<nanoseconds> <bytes>"
//   read N         reads the reply N times into new objects; answers "<nanoseconds> <items>"
//   save PATH      writes the call once to PATH; answers "ok"
//   quit
// Run as: BenchPeer REPLY_FILE (the reply the C++ side wrote; its report is the one written)
import com.caucho.hessian.io.HessianInput;
import com.caucho.hessian.io.HessianOutput;
import com.caucho.hessian.io.SerializerFactory;
import java.io.BufferedReader;
import java.io.FileOutputStream;
import java.io.InputStream;
import java.io.InputStreamReader;
import java.io.OutputStream;
import java.io.PrintStream;
import java.nio.file.Files;
import java.nio.file.Paths;
import zavo.cl.ReqBehavior;

public class BenchPeer {
  // ByteArrayOutputStream without its locks: Java measured at its best.
  static final class Sink extends OutputStream {
    byte[] buf = new byte[1 << 20];
    int count;

    void reset() {
      count = 0;
    }

    private void ensure(int more) {
      if (count + more > buf.length) {
        buf = java.util.Arrays.copyOf(buf, Math.max(buf.length * 2, count + more));
      }
    }

    @Override
    public void write(int b) {
      ensure(1);
      buf[count++] = (byte) b;
    }

    @Override
    public void write(byte[] b, int off, int len) {
      ensure(len);
      System.arraycopy(b, off, buf, count, len);
      count += len;
    }
  }

  // ByteArrayInputStream without its locks.
  static final class Source extends InputStream {
    final byte[] buf;
    int pos;

    Source(byte[] buf) {
      this.buf = buf;
    }

    void rewind() {
      pos = 0;
    }

    @Override
    public int read() {
      return pos < buf.length ? buf[pos++] & 0xFF : -1;
    }

    @Override
    public int read(byte[] b, int off, int len) {
      if (pos >= buf.length) return -1;
      int n = Math.min(len, buf.length - pos);
      System.arraycopy(buf, pos, b, off, n);
      pos += n;
      return n;
    }
  }

  public static void main(String[] args) throws Throwable {
    byte[] reply = Files.readAllBytes(Paths.get(args[0]));
    SerializerFactory factory = new SerializerFactory();
    Source source = new Source(reply);
    HessianInput in = new HessianInput();
    in.setSerializerFactory(factory);
    in.init(source);
    ReqBehavior report = (ReqBehavior) in.readReply(ReqBehavior.class);

    Sink sink = new Sink();
    HessianOutput out = new HessianOutput();
    out.setSerializerFactory(factory);
    Object[] arguments = new Object[] {report};

    BufferedReader commands = new BufferedReader(new InputStreamReader(System.in));
    PrintStream answers = new PrintStream(System.out, true);
    long keep = 0;  // results the JIT must not drop
    for (String line; (line = commands.readLine()) != null; ) {
      String[] command = line.split(" ");
      if (command[0].equals("write")) {
        int n = Integer.parseInt(command[1]);
        long start = System.nanoTime();
        for (int i = 0; i < n; i++) {
          sink.reset();
          out.init(sink);
          out.call("reportBehavior", arguments);
          out.flush();
        }
        long elapsed = System.nanoTime() - start;
        answers.println(elapsed + " " + sink.count);
      } else if (command[0].equals("read")) {
        int n = Integer.parseInt(command[1]);
        long items = 0;
        long start = System.nanoTime();
        for (int i = 0; i < n; i++) {
          source.rewind();
          in.init(source);
          ReqBehavior r = (ReqBehavior) in.readReply(ReqBehavior.class);
          items += r.measureList.length + r.eventList.length;
        }
        long elapsed = System.nanoTime() - start;
        keep += items;
        answers.println(elapsed + " " + items / n);
      } else if (command[0].equals("save")) {
        try (OutputStream os = new FileOutputStream(command[1])) {
          HessianOutput file = new HessianOutput(os);
          file.call("reportBehavior", arguments);
          file.flush();
        }
        answers.println("ok");
      } else {
        break;
      }
    }
    if (keep < 0) System.err.println(keep);
  }
}
