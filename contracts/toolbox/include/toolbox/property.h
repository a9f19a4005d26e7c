// CProperty and CMachineProperty: named settings read as text or as an unsigned number.
#pragma once

#include <oslayer/zavo_string.h>
#include <toolbox/toolbox_export.h>

#include <cstdint>

class TOOLBOX_EXPORT CProperty {
 public:
  CProperty();
  virtual ~CProperty();

  bool Exists() const { return mExists; }
  const CZavoString& GetText() const { return mText; }
  // The value as an unsigned 32-bit number: decimal, or hex after "0x". 0 when absent, and
  // for text that is no such number (negative, too large, trailing characters).
  uint32_t ToUInt32() const;
  operator uint32_t() const { return ToUInt32(); }

 protected:
  void Assign(bool exists, const CZavoString& text);

 private:
  bool mExists = false;
  CZavoString mText;
};

// A property of the machine tree, read once on construction: value name under the key
// "HKLM\" + path.
class TOOLBOX_EXPORT CMachineProperty : public CProperty {
 public:
  CMachineProperty(const CZavoString& name, const CZavoString& path);
  ~CMachineProperty() override;
};
