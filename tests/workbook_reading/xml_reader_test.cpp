// The walker of XML: what it hands on of a part as other programs write it, and every
// kind of part it refuses as no XML.
#include "workbook_reading/xml_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace soatnoma::workbook_reading {
namespace {

// The walk written down: "<name attr=value>", "'text'", "</name>", for a comparison.
struct Written : XmlVisitor {
  std::string out;
  void Open(const XmlElement& element, const std::vector<std::string_view>&) override {
    out += "<" + std::string(element.localName);
    for (const XmlAttribute& attribute : element.attributes)
      out += " " + std::string(attribute.name) + "=" + attribute.value;
    out += ">";
  }
  void Text(std::string_view text, const std::vector<std::string_view>&) override {
    out += "'" + std::string(text) + "'";
  }
  void Close(std::string_view name, const std::vector<std::string_view>&, std::size_t, std::size_t) override {
    out += "</" + std::string(name) + ">";
  }
};

std::string Walked(std::string_view xml) {
  Written written;
  return WalkXml(xml, written) ? written.out : "refused";
}

TEST(XmlReader, ReadsPartsAsSpreadsheetProgramsWriteThem) {
  // A declaration, a byte-order mark, comments and instructions pass; prefixes are set apart.
  EXPECT_EQ(Walked("\xEF\xBB\xBF<?xml version=\"1.0\"?>\r\n<!-- c --><x:sst xmlns:x=\"u\"><x:si/></x:sst>\n"),
            "<sst xmlns:x=u><si></si></sst>");
  // References and CDATA read, line ends made one, blanks in attributes made spaces.
  EXPECT_EQ(Walked("<t a='1&amp;&#x41;&#66;\t2'>&lt;b&gt; &quot;&apos;\r\nx\ry<![CDATA[<&>]]></t>"),
            "<t a=1&AB 2>'<b> \"'\nx\ny''<&>'</t>");
  EXPECT_EQ(Walked("<t>O\xCA\xBBg\xCA\xBBiloy \xF0\x9F\x98\x80</t>"),
            "<t>'O\xCA\xBBg\xCA\xBBiloy \xF0\x9F\x98\x80'</t>");
}

TEST(XmlReader, RefusesWhatIsNotWellFormed) {
  for (const char* xml : {
           "",                                          // nothing at all
           "<a>",                                       // never closed
           "<a></b>",                                   // closed by another
           "<a/><b/>",                                  // two roots
           "text<a/>",                                  // text outside the root
           "<a x=1/>",                                  // an unquoted value
           "<a x='1' x='2'/>",                          // an attribute twice
           "<a x='1'y='2'/>",                           // no blank between attributes
           "<a>&nbsp;</a>",                             // an entity XML does not know
           "<a>&#0;</a>",                               // a reference to a character XML does not allow
           "<a>&#xD800;</a>",                           // or to half of one
           "<a>& b</a>",                                // a lone ampersand
           "<a x='<'/>",                                // markup in a value
           "<a>\x01</a>",                               // a control character
           "<a>\xC3</a>",                               // no UTF-8
           "<a>\xEF\xBF\xBE</a>",                       // U+FFFE
           "<a>&#xFFFE;</a>",                           // or a reference to it
           "<a/>\x01",                                  // a control character after the root
           "<!DOCTYPE a [<!ENTITY e 'x'>]><a>&e;</a>",  // a document type, whose entities could grow
           "<a><!-- never ends </a>",
           "<1a/>",  // a name that is none
       }) {
    EXPECT_EQ(Walked(xml), "refused") << xml;
  }
}

TEST(XmlReader, TellsWhereElementsStandInTheText) {
  struct Places : XmlVisitor {
    std::vector<std::size_t> at;
    void Open(const XmlElement& element, const std::vector<std::string_view>&) override {
      at.push_back(element.begin);
      at.push_back(element.tagEnd);
    }
    void Text(std::string_view, const std::vector<std::string_view>&) override {}
    void Close(std::string_view, const std::vector<std::string_view>&, std::size_t endBegin, std::size_t end) override {
      at.push_back(endBegin);
      at.push_back(end);
    }
  } places;
  ASSERT_TRUE(WalkXml("<a><b/>x</a >", places));
  EXPECT_EQ(places.at, (std::vector<std::size_t>{0, 3, 3, 7, 7, 7, 8, 13}));
}

}  // namespace
}  // namespace soatnoma::workbook_reading
