// Any text typed as a port list, any hex as a stored bitmap, any bytes as a value's octets: the port-list
// and raw-value conversions stay within their input, refuse only with the library's exception, and what
// they write reads back the same.
#include "KyException.h"
#include "KyPortList.h"
#include "KyRawValue.h"
#include "KySNMPVarDesc.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

const int syntaxes[] = {sxBoolean, sxInteger, sxBitStr, sxOctetStr, sxNull, sxObjectId, sxIpAddress, sxCounter,
                        sxGauge, sxTimeTicks, sxOpaque, sxNsapAddr, sxCounter64, sxUInteger, sxDouble,
                        sxMacAddress, sxDateTime, sxBCDateTime, sxDisplayStr, sxIPv6Address, sxBitList,
                        sxInetAddress, sxBool8, sxInt8, sxUInt8, sxBool16, sxInt16, sxUInt16};

void check(bool condition) {
    if (!condition) std::abort();
}

bool isHexKind(int syntax) {
    return syntax == sxBitStr || syntax == sxOctetStr || syntax == sxOpaque || syntax == sxBitList;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const int syntax = syntaxes[data[0] % std::size(syntaxes)];
    const int offset = data[1] % 24;
    const std::string rest(reinterpret_cast<const char*>(data + 2), size - 2);
    const std::size_t cut = data[2] % (rest.size() + 1);
    const std::string text = rest.substr(0, cut);
    const std::string templateHex(2 * std::min<std::size_t>(rest.size() - cut, 64), '0');

    std::string out = "unchanged";
    if (portTextToBitmap(text, templateHex, out)) {
        check(out.size() == templateHex.size());
        std::string again;
        check(portTextToBitmap(portBitmapToText(out, false), templateHex, again) && again == out);
    } else {
        check(out == "unchanged");
    }
    const std::string shown = portBitmapToText(rest, true);
    check(bracketedHex(shown) == rest || rest.find(']') != std::string::npos);

    try {
        TextToOctets(text, syntax);
    } catch (const KyException&) {
    }
    try {
        const std::string piece = ExtractPart(rest, offset, syntax);
        check(piece.size() <= rest.size());
        check(piece.empty() || rest.compare(std::size_t(offset), piece.size(), piece) == 0);
        const std::string shownPiece = OctetsToText(piece, syntax);
        if (isHexKind(syntax) && !piece.empty()) check(TextToOctets(shownPiece, syntax) == piece);
    } catch (const KyException&) {
    }
    return 0;
}
