// Host text of the object interface. Narrow text is in the locale's code page (GBK);
// UTF-8 is converted on construction and on request.
#pragma once
#include <string>

#include <NXOpen/libnxopencpp_exports.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT NXString {
public:
  enum Encoding { UTF8, Locale };

  NXString();
  NXString(const char* text);
  NXString(const std::string& text);
  // Text in the given encoding; UTF-8 that has no GBK form throws NXException.
  NXString(const char* text, Encoding encoding);
  NXString(const std::string& text, Encoding encoding);

  const char* GetText() const;        // locale (GBK) text
  const char* GetLocaleText() const;  // the same
  const char* GetUTF8Text() const;    // converted; bytes that are not GBK become '?'
  const char* getText() const { return GetText(); }

  bool operator==(const NXString& other) const { return text_ == other.text_; }
  bool operator!=(const NXString& other) const { return text_ != other.text_; }
  bool operator==(const char* other) const { return text_ == (other ? other : ""); }
  bool operator<(const NXString& other) const { return text_ < other.text_; }

private:
  std::string text_;
  mutable std::string utf8_;
};

}  // namespace NXOpen
