#include "tg/core/JpegDc.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace tg {
namespace {

constexpr int kFastBits = 11;

struct Huffman {
    bool defined = false;
    // Canonical decoding: per code length the largest code and where its values start.
    int32_t maxCode[18];
    int32_t valOffset[17];
    uint8_t values[256];
    // The first kFastBits bits at once: length (0 = longer code) and value.
    uint8_t fastLen[1 << kFastBits];
    uint8_t fastVal[1 << kFastBits];
};

struct Component {
    int id = 0, h = 1, v = 1, tq = 0;
    int td = 0, ta = 0;  // Huffman tables of the scan
    int pred = 0;
    int planeW = 0, planeH = 0;
    std::vector<uint8_t> plane;  // one sample per 8x8 block
};

struct Frame {
    int width = 0, height = 0;
    int count = 0;
    Component comp[3];
    int hmax = 1, vmax = 1;
    bool adobeRgb = false;
};

class Parser {
public:
    Parser(const uint8_t* d, size_t n) : m_d(d), m_n(n) {}

    // Reads the segments up to the first scan (or only the frame header when sizeOnly).
    bool ReadHeaders(bool sizeOnly) {
        if (m_n < 4 || m_d[0] != 0xFF || m_d[1] != 0xD8) return false;
        m_pos = 2;
        for (;;) {
            if (m_pos + 4 > m_n || m_d[m_pos] != 0xFF) return false;
            const uint8_t marker = m_d[m_pos + 1];
            if (marker == 0xFF) {  // fill byte
                ++m_pos;
                continue;
            }
            const size_t len = (m_d[m_pos + 2] << 8) | m_d[m_pos + 3];
            if (len < 2 || m_pos + 2 + len > m_n) return false;
            const uint8_t* seg = m_d + m_pos + 4;
            const size_t segLen = len - 2;
            m_pos += 2 + len;
            switch (marker) {
                case 0xC0:
                case 0xC1:
                    if (!ReadFrame(seg, segLen)) return false;
                    if (sizeOnly) return true;
                    break;
                case 0xC4:
                    if (!ReadHuffman(seg, segLen)) return false;
                    break;
                case 0xDB:
                    if (!ReadQuant(seg, segLen)) return false;
                    break;
                case 0xDD:
                    if (segLen < 2) return false;
                    m_restart = (seg[0] << 8) | seg[1];
                    break;
                case 0xEE:  // Adobe: transform 0 means the components are RGB, not YCbCr
                    if (segLen >= 12 && std::memcmp(seg, "Adobe", 5) == 0 && seg[11] == 0) m_frame.adobeRgb = true;
                    break;
                case 0xDA:
                    if (m_frame.count == 0 || sizeOnly) return false;
                    return ReadScanHeader(seg, segLen);
                default:
                    // Other frame types (progressive, lossless, arithmetic) are not ours.
                    if (marker >= 0xC2 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
                        return false;
                    break;
            }
        }
    }

    bool DecodeScan(Image& out) {
        Frame& f = m_frame;
        const int mcuW = 8 * f.hmax, mcuH = 8 * f.vmax;
        const int mcusX = (f.width + mcuW - 1) / mcuW, mcusY = (f.height + mcuH - 1) / mcuH;
        // Every block costs at least one bit; refuse data that cannot hold them all.
        int blocksPerMcu = 0;
        for (int c = 0; c < f.count; ++c) blocksPerMcu += f.comp[c].h * f.comp[c].v;
        const uint64_t blocks = uint64_t(mcusX) * mcusY * blocksPerMcu;
        if (blocks / 8 > m_n - m_pos) return false;
        if (!out.Allocate((f.width + 7) / 8, (f.height + 7) / 8)) return false;
        for (int c = 0; c < f.count; ++c) {
            Component& k = f.comp[c];
            k.planeW = mcusX * k.h;
            k.planeH = mcusY * k.v;
            k.plane.assign(static_cast<size_t>(k.planeW) * k.planeH, 0);
            k.pred = 0;
        }
        int untilRestart = m_restart;
        for (int my = 0; my < mcusY; ++my) {
            for (int mx = 0; mx < mcusX; ++mx) {
                if (m_restart && untilRestart == 0) {
                    if (!Restart()) return false;
                    untilRestart = m_restart;
                }
                --untilRestart;
                for (int c = 0; c < f.count; ++c) {
                    Component& k = f.comp[c];
                    for (int by = 0; by < k.v; ++by)
                        for (int bx = 0; bx < k.h; ++bx) {
                            int dc;
                            if (!DecodeBlock(k, dc)) return false;
                            const int v = dc / 8 + 128;
                            k.plane[static_cast<size_t>(my * k.v + by) * k.planeW + mx * k.h + bx] =
                                static_cast<uint8_t>(std::min(255, std::max(0, v)));
                        }
                }
            }
        }
        if (ReadPastData()) return false;
        for (int y = 0; y < out.height; ++y) {
            uint32_t* row = out.Row(y);
            for (int x = 0; x < out.width; ++x) {
                int s[3];
                for (int c = 0; c < f.count; ++c) {
                    const Component& k = f.comp[c];
                    // A block of a subsampled component covers hmax/h blocks of the picture.
                    const int px = x * k.h / f.hmax, py = y * k.v / f.vmax;
                    s[c] = k.plane[static_cast<size_t>(py) * k.planeW + px];
                }
                if (f.count == 1) {
                    row[x] = Pixel(s[0], s[0], s[0]);
                } else if (f.adobeRgb) {
                    row[x] = Pixel(s[0], s[1], s[2]);
                } else {
                    const int yv = s[0] << 16, cb = s[1] - 128, cr = s[2] - 128;
                    auto clamp = [](int v) { return static_cast<uint8_t>(std::min(255, std::max(0, v >> 16))); };
                    row[x] = Pixel(clamp(yv + 91881 * cr + 32768), clamp(yv - 22554 * cb - 46802 * cr + 32768),
                                   clamp(yv + 116130 * cb + 32768));
                }
            }
        }
        return true;
    }

    const Frame& frame() const { return m_frame; }

private:
    bool ReadFrame(const uint8_t* s, size_t n) {
        if (m_frame.count || n < 6 || s[0] != 8) return false;  // one frame, 8-bit samples
        m_frame.height = (s[1] << 8) | s[2];
        m_frame.width = (s[3] << 8) | s[4];
        const int count = s[5];
        if (m_frame.width == 0 || m_frame.height == 0 || (count != 1 && count != 3)) return false;
        if (n < 6 + 3u * count) return false;
        for (int c = 0; c < count; ++c) {
            Component& k = m_frame.comp[c];
            k.id = s[6 + 3 * c];
            k.h = s[7 + 3 * c] >> 4;
            k.v = s[7 + 3 * c] & 15;
            k.tq = s[8 + 3 * c];
            if (k.h < 1 || k.h > 4 || k.v < 1 || k.v > 4 || k.tq > 3) return false;
            m_frame.hmax = std::max(m_frame.hmax, k.h);
            m_frame.vmax = std::max(m_frame.vmax, k.v);
        }
        for (int c = 0; c < count; ++c)  // samplings that do not divide evenly are left to the system
            if (m_frame.hmax % m_frame.comp[c].h || m_frame.vmax % m_frame.comp[c].v) return false;
        m_frame.count = count;
        return true;
    }

    bool ReadQuant(const uint8_t* s, size_t n) {
        size_t i = 0;
        while (i < n) {
            const int pq = s[i] >> 4, tq = s[i] & 15;
            const size_t bytes = pq ? 128 : 64;
            if (pq > 1 || tq > 3 || i + 1 + bytes > n) return false;
            m_quantDc[tq] = pq ? (s[i + 1] << 8) | s[i + 2] : s[i + 1];
            m_quantDefined[tq] = true;
            i += 1 + bytes;
        }
        return true;
    }

    bool ReadHuffman(const uint8_t* s, size_t n) {
        size_t i = 0;
        while (i < n) {
            if (i + 17 > n) return false;
            const int tc = s[i] >> 4, th = s[i] & 15;
            if (tc > 1 || th > 3) return false;
            Huffman& t = m_huff[tc][th];
            int total = 0;
            for (int l = 1; l <= 16; ++l) total += s[i + l];
            if (total > 256 || i + 17 + total > n) return false;
            std::memcpy(t.values, s + i + 17, total);
            std::memset(t.fastLen, 0, sizeof t.fastLen);
            int code = 0, k = 0;
            for (int l = 1; l <= 16; ++l) {
                const int count = s[i + l];
                t.valOffset[l] = k - code;
                for (int j = 0; j < count; ++j, ++k, ++code) {
                    if (code >= (1 << l)) return false;  // more codes than the length allows
                    if (l <= kFastBits) {
                        const int shift = kFastBits - l;
                        for (int f = 0; f < (1 << shift); ++f) {
                            t.fastLen[(code << shift) | f] = static_cast<uint8_t>(l);
                            t.fastVal[(code << shift) | f] = t.values[k];
                        }
                    }
                }
                t.maxCode[l] = count ? code - 1 : -1;
                code <<= 1;
            }
            t.maxCode[17] = 0x7FFFFFFF;
            t.defined = true;
            i += 17 + total;
        }
        return true;
    }

    bool ReadScanHeader(const uint8_t* s, size_t n) {
        if (n < 1) return false;
        const int count = s[0];
        // One interleaved scan holding every component: what baseline writers produce.
        if (count != m_frame.count || n < 1 + 2u * count + 3) return false;
        for (int i = 0; i < count; ++i) {
            Component& k = m_frame.comp[i];
            if (s[1 + 2 * i] != k.id) return false;
            k.td = s[2 + 2 * i] >> 4;
            k.ta = s[2 + 2 * i] & 15;
            if (k.td > 3 || k.ta > 3 || !m_huff[0][k.td].defined || !m_huff[1][k.ta].defined || !m_quantDefined[k.tq])
                return false;
        }
        return true;
    }

    // Entropy-coded bits, with stuffed zero bytes removed; a marker or the end reads as zeros.
    void Fill() {
        while (m_bits <= 56) {
            uint32_t byte = 0;
            if (m_pos < m_n && !m_atMarker) {
                byte = m_d[m_pos];
                if (byte == 0xFF) {
                    const uint8_t next = m_pos + 1 < m_n ? m_d[m_pos + 1] : 0;
                    if (next == 0x00) {
                        m_pos += 2;
                    } else {
                        m_atMarker = true;
                        byte = 0;
                        ++m_overrun;
                    }
                } else {
                    ++m_pos;
                }
            } else {
                ++m_overrun;
            }
            m_acc |= static_cast<uint64_t>(byte) << (56 - m_bits);
            m_bits += 8;
        }
    }

    int Bits(int n) {
        if (n == 0) return 0;
        if (m_bits < n) Fill();
        const int v = static_cast<int>(m_acc >> (64 - n));
        m_acc <<= n;
        m_bits -= n;
        return v;
    }

    int Decode(const Huffman& t) {
        if (m_bits < 32) Fill();
        const int peek = static_cast<int>(m_acc >> (64 - kFastBits));
        const int fl = t.fastLen[peek];
        if (fl) {
            m_acc <<= fl;
            m_bits -= fl;
            return t.fastVal[peek];
        }
        int code = 0;
        for (int l = 1; l <= 16; ++l) {
            code = (code << 1) | Bits(1);
            if (t.maxCode[l] >= 0 && code <= t.maxCode[l]) {
                const int idx = code + t.valOffset[l];
                return idx >= 0 && idx < 256 ? t.values[idx] : -1;
            }
        }
        return -1;
    }

    static int Extend(int v, int s) { return v < (1 << (s - 1)) ? v - (1 << s) + 1 : v; }

    bool DecodeBlock(Component& k, int& dc) {
        if (m_overrun > 64) return false;
        const int s = Decode(m_huff[0][k.td]);
        if (s < 0 || s > 11) return false;
        k.pred += s ? Extend(Bits(s), s) : 0;
        dc = k.pred * m_quantDc[k.tq];
        // The AC coefficients are only skipped: a code and its value bits go in one step
        // (at most 16 + 15 bits, so one refill per coefficient is enough).
        const Huffman& ac = m_huff[1][k.ta];
        for (int i = 1; i < 64;) {
            if (m_bits < 32) Fill();
            const int rs = Decode(ac);
            if (rs < 0) return false;
            const int r = rs >> 4, sz = rs & 15;
            if (sz == 0) {
                if (r != 15) break;  // end of block
                i += 16;
            } else {
                i += r + 1;
                if (m_bits < sz) Fill();
                m_acc <<= sz;
                m_bits -= sz;
            }
        }
        return true;
    }

    // True when decoding used bits that the data does not have (truncated or damaged).
    bool ReadPastData() const { return m_overrun * 8 - m_bits > 0; }

    bool Restart() {
        if (ReadPastData()) return false;
        // Drop the rest of the byte and expect the next RSTn marker.
        m_overrun = 0;
        m_acc = 0;
        m_bits = 0;
        if (m_pos + 1 < m_n && m_d[m_pos] == 0xFF && m_d[m_pos + 1] >= 0xD0 && m_d[m_pos + 1] <= 0xD7) {
            m_pos += 2;
            m_atMarker = false;
        } else {
            return false;
        }
        for (int c = 0; c < m_frame.count; ++c) m_frame.comp[c].pred = 0;
        return true;
    }

    const uint8_t* m_d;
    size_t m_n;
    size_t m_pos = 0;
    Frame m_frame;
    Huffman m_huff[2][4];
    int m_quantDc[4] = {0, 0, 0, 0};
    bool m_quantDefined[4] = {false, false, false, false};
    int m_restart = 0;
    uint64_t m_acc = 0;
    int m_bits = 0;
    bool m_atMarker = false;
    int m_overrun = 0;
};

}  // namespace

bool JpegDcSize(const uint8_t* data, size_t size, int& width, int& height) {
    Parser p(data, size);
    if (!p.ReadHeaders(true)) return false;
    width = p.frame().width;
    height = p.frame().height;
    return true;
}

bool DecodeJpegEighth(const uint8_t* data, size_t size, Image& out) {
    out = Image();
    std::unique_ptr<Parser> p(new Parser(data, size));
    if (!p->ReadHeaders(false) || !p->DecodeScan(out)) {
        out = Image();
        return false;
    }
    return true;
}

}  // namespace tg
