// CZvStringBuilder: mutable text that shares its body with strings copy-on-write.
//
//   CZvStringBuilder b;
//   b.append(u"items: ").append(3);
//   CZvString text = b.toString();   // no copy: text and b share one body
//   b.append(u'!');                  // b clones the body first; text stays "items: 3"
#pragma once

#include <corekit/char_sequence.h>
#include <corekit/corekit_export.h>
#include <corekit/sptr.h>
#include <corekit/string.h>

namespace zvlang {

// What text can be appended to.
class COREKIT_EXPORT Appendable {
 public:
  virtual Appendable& append(const CharSequence& s, int start, int end) = 0;
  virtual Appendable& append(const CharSequence& s) = 0;
  virtual Appendable& append(char16_t c) = 0;

 protected:
  ~Appendable() = default;
};

// Appends and inserts of n units grow a full body to length + n + 16; ensureCapacity and
// setLength grow to exactly the size asked. Range errors throw before anything changes;
// allocation failures throw OutOfMemoryError and leave the text as it was.
class COREKIT_EXPORT CZvStringBuilder : public CharSequence, public Appendable {
 public:
  // Capacity 16.
  CZvStringBuilder();
  // Throws NegativeArraySizeException when capacity < 0.
  explicit CZvStringBuilder(int capacity);
  // Shares s's body until the first change.
  explicit CZvStringBuilder(const CZvString& s);
  CZvStringBuilder(const CZvStringBuilder&) = delete;
  CZvStringBuilder& operator=(const CZvStringBuilder&) = delete;
  virtual ~CZvStringBuilder();

  int length() const override;
  char16_t charAt(int index) const override;
  CharSequence* subSequence(int start, int end) const override;

  CZvStringBuilder& append(const CharSequence& s, int start, int end) override;
  CZvStringBuilder& append(const CharSequence& s) override;
  CZvStringBuilder& append(char16_t c) override;
  CZvStringBuilder& append(bool b);
  // No range checks: the caller guarantees text[offset .. offset + count).
  CZvStringBuilder& append(const char16_t* text, int offset, int count);
  CZvStringBuilder& append(const char16_t* text);
  CZvStringBuilder& append(const CZvString& s);
  CZvStringBuilder& append(int v);
  CZvStringBuilder& append(long v);  // int64_t on this platform
  CZvStringBuilder& append(long long v);
  CZvStringBuilder& append(double v);
  // Narrow text has no encoding here; without this a char literal would append "true".
  CZvStringBuilder& append(const char*) = delete;

  // Every insert checks 0 <= offset <= length() first.
  CZvStringBuilder& insert(int offset, bool b);
  CZvStringBuilder& insert(int offset, char16_t c);
  CZvStringBuilder& insert(int offset, const char16_t* text, int textOffset, int count);
  CZvStringBuilder& insert(int offset, const char16_t* text);
  CZvStringBuilder& insert(int offset, const CZvString& s);
  CZvStringBuilder& insert(int offset, int v);
  CZvStringBuilder& insert(int offset, long v);
  CZvStringBuilder& insert(int offset, long long v);
  CZvStringBuilder& insert(int offset, double v);
  CZvStringBuilder& insert(int offset, const CharSequence& s);
  CZvStringBuilder& insert(int offset, const CharSequence& s, int start, int end);
  CZvStringBuilder& insert(int offset, const char*) = delete;

  int capacity() const;
  void setCharAt(int index, char16_t c);
  void setLength(int n);
  void ensureCapacity(int n);
  // Gives back unused units without unsharing: strings that share the body keep their text,
  // but character pointers taken from them (c_str, Ptr) are no longer valid.
  void trimToSize() const;
  CZvStringBuilder& deleteRange(int start, int end);
  CZvStringBuilder& deleteCharAt(int index);
  CZvStringBuilder& replace(int start, int end, const CZvString& s);
  // Surrogate pairs keep their order.
  CZvStringBuilder& reverse();
  void getChars(int srcBegin, int srcEnd, char16_t* dst, int dstBegin) const;
  int indexOf(const CZvString& pattern) const;
  int indexOf(const CZvString& pattern, int from) const;
  int lastIndexOf(const CZvString& pattern) const;
  int lastIndexOf(const CZvString& pattern, int from) const;
  CZvString substring(int start) const;
  CZvString substring(int start, int end) const;
  // Shares the body: constant time, no copy.
  CZvString toString() const;

 protected:
  // Deletes this builder: only for builders created with new.
  void Release() override;
  // Gives this builder a body of its own before a change.
  void UnShare();

  SPtr<CZvStringBody> mBody;
  mutable bool mShared;
};

}  // namespace zvlang
