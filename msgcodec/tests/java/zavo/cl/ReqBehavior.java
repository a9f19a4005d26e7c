package zavo.cl;

public class ReqBehavior extends Request {
  public MeasureReq[] measureList;
  public EventReq[] eventList;
}
