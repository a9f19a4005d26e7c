#include <oslayer/file_opers.h>

#include <pugixml.hpp>

#include "platform_objects.h"

namespace oslayer_internal {
namespace {

void AppendText(const pugi::xml_node& node, std::string& out) {
  for (pugi::xml_node child : node.children()) {
    if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
      out += child.value();
    } else if (child.type() == pugi::node_element) {
      AppendText(child, out);
    }
  }
}

}  // namespace

CPugiXmlParser::CPugiXmlParser() : mDoc(std::make_unique<pugi::xml_document>()) {}
CPugiXmlParser::~CPugiXmlParser() = default;

bool CPugiXmlParser::LoadXml(const CZavoString& text) {
  mDoc->reset();
  mLoaded = false;
  if (text.IsEmpty()) return false;
  const std::string utf8 = text.ToUtf8();
  const pugi::xml_parse_result result =
      mDoc->load_buffer(utf8.data(), utf8.size(), pugi::parse_default, pugi::encoding_utf8);
  mLoaded = result && mDoc->document_element();
  return mLoaded;
}

bool CPugiXmlParser::LoadFile(const CZavoString& path) {
  mDoc->reset();
  mLoaded = false;
  if (!NFileOpers::FileExists(path)) return false;
  const pugi::xml_parse_result result =
      mDoc->load_file(NFileOpers::NativePath(path).c_str(), pugi::parse_default);
  mLoaded = result && mDoc->document_element();
  return mLoaded;
}

bool CPugiXmlParser::GetNodeText(const CZavoString& xpath, CZavoString& text) {
  if (!mLoaded || xpath.IsEmpty()) return false;
  try {
    const pugi::xpath_node found = mDoc->select_node(xpath.ToUtf8().c_str());
    if (found.attribute()) {
      text = CZavoString::FromUtf8(found.attribute().value());
      return true;
    }
    if (!found.node()) return false;
    std::string out;
    if (found.node().type() == pugi::node_pcdata || found.node().type() == pugi::node_cdata) {
      out = found.node().value();
    } else {
      AppendText(found.node(), out);
    }
    text = CZavoString::FromUtf8(out);
    return true;
  } catch (const pugi::xpath_exception&) {
    return false;  // not a valid expression, or not one that selects nodes
  }
}

}  // namespace oslayer_internal
