#include <contracts_testing/sandbox.h>
#include <gtest/gtest.h>
#include <oslayer/class_factory.h>

#include <memory>

namespace {

using contracts_testing::Sandbox;

std::unique_ptr<IXmlParser> NewParser() {
  return std::unique_ptr<IXmlParser>(
      static_cast<IXmlParser*>(CClassFactory::GetInterface(IT_XML_PARSER)));
}

// The callback records' XML form: tab-indented elements, values unescaped.
TEST(XmlParserTest, RecordDocuments) {
  auto parser = NewParser();
  ASSERT_TRUE(parser->LoadXml(
      u"<OpenBrowser>\n\t<url>http://portal/login</url>\n\t<bssid>00-11-22-33-44-C5</bssid>\n"
      u"\t<captive>1</captive>\n</OpenBrowser>\n"));
  struct Case {
    std::u16string xpath;
    bool found;
    std::u16string text;
  } cases[] = {
      {u"//OpenBrowser/url", true, u"http://portal/login"},
      {u"//OpenBrowser/bssid", true, u"00-11-22-33-44-C5"},
      {u"//OpenBrowser/captive", true, u"1"},
      {u"//OpenBrowser/force", false, u""},
      {u"//Status/status", false, u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(CZavoString(c.xpath).ToUtf8());
    CZavoString text(u"untouched");
    EXPECT_EQ(parser->GetNodeText(CZavoString(c.xpath), text), c.found);
    EXPECT_EQ(text, c.found ? CZavoString(c.text) : CZavoString(u"untouched"));
  }
}

TEST(XmlParserTest, EmptyElementAndNestedText) {
  auto parser = NewParser();
  ASSERT_TRUE(parser->LoadXml(
      u"<Disclaimer><ssid></ssid><bssid>a<b>b</b>c</bssid><x k=\"v\"/></Disclaimer>"));
  CZavoString text;
  EXPECT_TRUE(parser->GetNodeText(u"//Disclaimer/ssid", text));
  EXPECT_TRUE(text.IsEmpty());
  EXPECT_TRUE(parser->GetNodeText(u"//Disclaimer/bssid", text));
  EXPECT_EQ(text, CZavoString(u"abc"));
  EXPECT_TRUE(parser->GetNodeText(u"//x/@k", text));
  EXPECT_EQ(text, CZavoString(u"v"));
}

TEST(XmlParserTest, TesterFileFromDisk) {
  Sandbox box;
  contracts_testing::WriteAll(box.Work() / "ZavoTester.xml",
                              "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<ZavoTester>\n"
                              "  <IterationNum>003</IterationNum>\n  <SleepTime>250</SleepTime>\n"
                              "  <SilentMode>0</SilentMode>\n"
                              "  <ScriptInput>run \xC3\xA9</ScriptInput>\n</ZavoTester>\n");
  auto parser = NewParser();
  // The callers name the file with a backslash after the folder.
  ASSERT_TRUE(parser->LoadFile(CZavoString(box.Work().string().c_str()) + u"\\ZavoTester.xml"));
  CZavoString text;
  ASSERT_TRUE(parser->GetNodeText(u"//ZavoTester/IterationNum", text));
  EXPECT_EQ(CZavoString::ToInt(text), 3);
  ASSERT_TRUE(parser->GetNodeText(u"//ZavoTester/SleepTime", text));
  EXPECT_EQ(CZavoString::ToLong(text), 250);
  ASSERT_TRUE(parser->GetNodeText(u"//ZavoTester/SilentMode", text));
  EXPECT_FALSE(CZavoString::ToBool(text));
  ASSERT_TRUE(parser->GetNodeText(u"//ZavoTester/ScriptInput", text));
  EXPECT_EQ(text, CZavoString(u"run \u00E9"));
  EXPECT_FALSE(parser->GetNodeText(u"//ZavoTester/Missing", text));
}

TEST(XmlParserTest, BadInputIsAFalseNeverACrash) {
  Sandbox box;
  auto parser = NewParser();
  CZavoString text;
  EXPECT_FALSE(parser->GetNodeText(u"//a", text));  // nothing loaded
  EXPECT_FALSE(parser->LoadXml(u""));
  EXPECT_FALSE(parser->LoadXml(u"<a><b></a>"));
  EXPECT_FALSE(parser->LoadXml(u"just text"));
  EXPECT_FALSE(parser->LoadFile(u"/no/such/file.xml"));
  EXPECT_FALSE(parser->LoadFile(CZavoString(box.Work().string().c_str())));  // a folder
  contracts_testing::WriteAll(box.Work() / "bad.xml", "<ZavoTester><IterationNum>");
  EXPECT_FALSE(parser->LoadFile(CZavoString((box.Work() / "bad.xml").string().c_str())));

  ASSERT_TRUE(parser->LoadXml(u"<a><b>1</b></a>"));
  EXPECT_FALSE(parser->GetNodeText(u"//[", text));         // not an expression
  EXPECT_FALSE(parser->GetNodeText(u"count(//b)", text));  // not a node set
  EXPECT_FALSE(parser->GetNodeText(u"", text));
  // A failed load drops the document held before.
  EXPECT_FALSE(parser->LoadXml(u"<broken"));
  EXPECT_FALSE(parser->GetNodeText(u"//b", text));
}

}  // namespace
