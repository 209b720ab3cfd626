#include "shell/qt/cp936_codec.h"

#include <iconv.h>

#include <cstddef>
#include <cstring>
#include <memory>
#include <type_traits>

#include <QSysInfo>
#include <QtGlobal>

#include "shell/qt/out_of_memory.h"

namespace hexdec {
namespace {

constexpr const char* kUtf16 =
    QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "UTF-16LE" : "UTF-16BE";
constexpr const char* kCodePage936 = "CP936";

struct IconvClose {
  void operator()(std::remove_pointer_t<iconv_t>* handle) const { iconv_close(handle); }
};

// Converts all `inSize` bytes at `in` into `out`, which has room for the whole result, and
// returns the number of bytes written. Where iconv stops at input it cannot convert, `replace`
// writes one replacement (its size in bytes) at the output and is told where in the input the
// conversion stopped; it returns how many input bytes the replacement stands for, and the
// conversion goes on after them. Each byte is converted once, so the time is linear.
template <typename Replace>
std::size_t convertAll(const char* to, const char* from, const char* in, std::size_t inSize,
                       char* out, std::size_t outSize, std::size_t replacementSize,
                       Replace replace) {
  const std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvClose> converter(iconv_open(to, from));
  // glibc always carries both encodings; without them no text could reach the conversions.
  if (converter.get() == reinterpret_cast<iconv_t>(-1)) {
    qFatal("iconv cannot convert %s to %s", from, to);
  }
  char* input = const_cast<char*>(in);  // iconv's signature; it never writes the input
  std::size_t inLeft = inSize;
  std::size_t outLeft = outSize;
  while (inLeft > 0 && ::iconv(converter.get(), &input, &inLeft, &out, &outLeft) ==
                           static_cast<std::size_t>(-1)) {
    const std::size_t skipped = replace(static_cast<std::size_t>(input - in), out);
    input += skipped;
    inLeft -= skipped;
    out += replacementSize;
    outLeft -= replacementSize;
  }
  return outSize - outLeft;
}

}  // namespace

Text toCodePage936(QStringView text) {
  if (const qsizetype zero = text.indexOf(QChar(u'\0')); zero >= 0) text = text.first(zero);
  // At most two bytes for each UTF-16 unit: a one- or two-byte character, or a '?'.
  const std::size_t capacity = 2 * static_cast<std::size_t>(text.size());
  Text bytes;
  try {
    bytes.resize(capacity);
  } catch (const std::bad_alloc&) {
    throw OutOfMemory(capacity);
  }
  const std::size_t written = convertAll(
      kCodePage936, kUtf16, reinterpret_cast<const char*>(text.utf16()), text.size() * 2,
      bytes.data(), capacity, 1, [text](std::size_t stoppedAt, char* out) -> std::size_t {
        // A character without a code page 936 form, or a surrogate without its partner.
        const auto at = static_cast<qsizetype>(stoppedAt / 2);
        const bool pair =
            text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate();
        *out = '?';
        return pair ? 4 : 2;
      });
  bytes.resize(written);
  return bytes;
}

QString fromCodePage936(const Text& text) {
  // At most one UTF-16 unit for each byte: every code page 936 character lies in the BMP.
  const auto capacity = static_cast<qsizetype>(text.size());
  QString characters;
  try {
    characters.resize(capacity);
  } catch (const std::bad_alloc&) {
    throw OutOfMemory(text.size() * sizeof(char16_t));
  }
  const std::size_t written = convertAll(
      kUtf16, kCodePage936, text.data(), text.size(), reinterpret_cast<char*>(characters.data()),
      text.size() * sizeof(char16_t), sizeof(char16_t), [](std::size_t, char* out) -> std::size_t {
        // A byte that starts no valid character, or a lead byte at the end.
        const char16_t question = u'?';
        std::memcpy(out, &question, sizeof question);
        return 1;
      });
  characters.resize(static_cast<qsizetype>(written / sizeof(char16_t)));
  return characters;
}

}  // namespace hexdec
