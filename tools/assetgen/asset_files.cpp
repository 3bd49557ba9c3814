#include "asset_files.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace annals::assetfiles {

bool ReadFile(const std::string& path, Bytes& out) {
    out.clear();
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    uint8_t buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) out.insert(out.end(), buffer, buffer + n);
    bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

bool WriteFile(const std::string& path, const Bytes& data) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(data.data(), 1, data.size(), f) == data.size();
    return std::fclose(f) == 0 && ok;
}

namespace {

void Put16(Bytes& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
void Put32(Bytes& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}
void PutBE16(Bytes& b, uint32_t v) {
    b.push_back(uint8_t(v >> 8));
    b.push_back(uint8_t(v));
}
void PutBE32(Bytes& b, uint32_t v) {
    PutBE16(b, v >> 16);
    PutBE16(b, v & 0xFFFF);
}
void PutTag(Bytes& b, const char* tag) {
    for (int i = 0; i < 4; ++i) b.push_back(uint8_t(tag[i]));
}

uint32_t Get16(const Bytes& b, size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8;
}
uint32_t Get32(const Bytes& b, size_t at) {
    return Get16(b, at) | Get16(b, at + 2) << 16;
}
uint32_t GetBE16(const Bytes& b, size_t at) {
    return uint32_t(b[at]) << 8 | uint32_t(b[at + 1]);
}
uint32_t GetBE32(const Bytes& b, size_t at) {
    return GetBE16(b, at) << 16 | GetBE16(b, at + 2);
}
bool TagAt(const Bytes& b, size_t at, const char* tag) {
    return at + 4 <= b.size() && std::equal(tag, tag + 4, b.begin() + long(at));
}

} // namespace

// --- BMP -------------------------------------------------------------------------

Bytes EncodeBmp24(int width, int height, const std::vector<uint32_t>& pixels) {
    const uint32_t stride = (uint32_t(width) * 3 + 3) & ~3u; // rows padded to 4 bytes
    const uint32_t imageSize = stride * uint32_t(height);
    Bytes b;
    b.reserve(54 + imageSize);
    b.push_back('B');
    b.push_back('M');
    Put32(b, 54 + imageSize);
    Put32(b, 0);
    Put32(b, 54);
    Put32(b, 40); // BITMAPINFOHEADER
    Put32(b, uint32_t(width));
    Put32(b, uint32_t(height)); // positive: rows stored bottom-up
    Put16(b, 1);
    Put16(b, 24);
    Put32(b, 0); // uncompressed
    Put32(b, imageSize);
    Put32(b, 2835); // 72 dpi
    Put32(b, 2835);
    Put32(b, 0);
    Put32(b, 0);
    for (int y = height - 1; y >= 0; --y) {
        const uint32_t* row = pixels.data() + size_t(y) * size_t(width);
        for (int x = 0; x < width; ++x) {
            b.push_back(uint8_t(row[x]));       // blue
            b.push_back(uint8_t(row[x] >> 8));  // green
            b.push_back(uint8_t(row[x] >> 16)); // red
        }
        for (uint32_t pad = uint32_t(width) * 3; pad < stride; ++pad) b.push_back(0);
    }
    return b;
}

BmpImage DecodeBmp(const Bytes& d) {
    BmpImage img;
    if (d.size() < 54 || d[0] != 'B' || d[1] != 'M') {
        img.error = "not a BMP file";
        return img;
    }
    const uint32_t offset = Get32(d, 10), headerSize = Get32(d, 14);
    if (headerSize < 40) {
        img.error = "unsupported BMP header";
        return img;
    }
    const int32_t width = int32_t(Get32(d, 18)), rawHeight = int32_t(Get32(d, 22));
    img.bitsPerPixel = int(Get16(d, 28));
    if (Get32(d, 30) != 0) {
        img.error = "compressed BMP";
        return img;
    }
    if (width <= 0 || rawHeight == 0) {
        img.error = "empty BMP";
        return img;
    }
    img.width = width;
    img.height = rawHeight < 0 ? -rawHeight : rawHeight;
    const uint64_t stride = (uint64_t(width) * uint64_t(img.bitsPerPixel) / 8 + 3) & ~uint64_t(3);
    if (uint64_t(offset) + stride * uint64_t(img.height) > d.size()) {
        img.error = "BMP pixel data cut short";
        return img;
    }
    if (img.bitsPerPixel == 24) {
        img.pixels.resize(size_t(width) * size_t(img.height));
        for (int y = 0; y < img.height; ++y) {
            const int fileRow = rawHeight > 0 ? img.height - 1 - y : y;
            const uint8_t* p = d.data() + offset + stride * uint64_t(fileRow);
            for (int x = 0; x < width; ++x, p += 3)
                img.pixels[size_t(y) * size_t(width) + size_t(x)] =
                    uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
        }
    }
    img.ok = true;
    return img;
}

// --- WAV -------------------------------------------------------------------------

Bytes EncodeWav(const std::vector<int16_t>& samples, int sampleRate) {
    const uint32_t dataSize = uint32_t(samples.size() * 2);
    Bytes b;
    b.reserve(44 + dataSize);
    PutTag(b, "RIFF");
    Put32(b, 36 + dataSize);
    PutTag(b, "WAVE");
    PutTag(b, "fmt ");
    Put32(b, 16);
    Put16(b, 1); // PCM
    Put16(b, 1); // mono
    Put32(b, uint32_t(sampleRate));
    Put32(b, uint32_t(sampleRate) * 2);
    Put16(b, 2);
    Put16(b, 16);
    PutTag(b, "data");
    Put32(b, dataSize);
    for (int16_t s : samples) Put16(b, uint16_t(s));
    return b;
}

WavSound DecodeWav(const Bytes& d) {
    WavSound w;
    if (!TagAt(d, 0, "RIFF") || !TagAt(d, 8, "WAVE")) {
        w.error = "not a RIFF WAVE file";
        return w;
    }
    bool haveFormat = false;
    for (size_t at = 12; at + 8 <= d.size();) {
        const uint32_t size = Get32(d, at + 4);
        const size_t body = at + 8;
        if (body + size > d.size()) {
            w.error = "chunk cut short";
            return w;
        }
        if (TagAt(d, at, "fmt ") && size >= 16) {
            if (Get16(d, body) != 1) {
                w.error = "not PCM";
                return w;
            }
            w.channels = int(Get16(d, body + 2));
            w.sampleRate = int(Get32(d, body + 4));
            w.bitsPerSample = int(Get16(d, body + 14));
            haveFormat = true;
        } else if (TagAt(d, at, "data")) {
            if (!haveFormat) {
                w.error = "data before format";
                return w;
            }
            if (w.bitsPerSample == 16)
                for (size_t i = 0; i + 1 < size; i += 2) w.samples.push_back(int16_t(Get16(d, body + i)));
            w.ok = true;
            return w;
        }
        at = body + size + (size & 1);
    }
    w.error = "no data chunk";
    return w;
}

// --- MIDI ------------------------------------------------------------------------

namespace {

void PutVarLen(Bytes& b, uint32_t v) {
    uint8_t tmp[5];
    int n = 0;
    tmp[n++] = uint8_t(v & 0x7F);
    while (v >>= 7) tmp[n++] = uint8_t(0x80 | (v & 0x7F));
    while (n > 0) b.push_back(tmp[--n]);
}

int EventOrder(const Bytes& e) {
    if (e.empty()) return 0;
    const uint8_t kind = e[0] & 0xF0;
    const bool noteOff = kind == 0x80 || (kind == 0x90 && e.size() > 2 && e[2] == 0);
    if (e[0] == 0xFF && e.size() > 1 && e[1] == 0x2F) return 3; // end of track last
    if (noteOff) return 1;
    if (kind == 0x90) return 2;
    return 0;
}

} // namespace

Bytes EncodeMidi(const MidiSong& song) {
    Bytes b;
    PutTag(b, "MThd");
    PutBE32(b, 6);
    PutBE16(b, 1);
    PutBE16(b, uint32_t(song.tracks.size()));
    PutBE16(b, uint32_t(song.ticksPerQuarter));
    for (const MidiTrack& track : song.tracks) {
        std::vector<const MidiEvent*> events;
        for (const MidiEvent& e : track.events)
            if (!(e.bytes.size() >= 2 && e.bytes[0] == 0xFF && e.bytes[1] == 0x2F)) events.push_back(&e);
        std::stable_sort(events.begin(), events.end(), [](const MidiEvent* a, const MidiEvent* c) {
            if (a->tick != c->tick) return a->tick < c->tick;
            return EventOrder(a->bytes) < EventOrder(c->bytes);
        });
        uint32_t endTick = 0;
        for (const MidiEvent& e : track.events) endTick = std::max(endTick, e.tick);
        Bytes body;
        uint32_t last = 0;
        for (const MidiEvent* e : events) {
            PutVarLen(body, e->tick - last);
            last = e->tick;
            body.insert(body.end(), e->bytes.begin(), e->bytes.end());
        }
        PutVarLen(body, endTick - last);
        for (uint8_t c : {0xFF, 0x2F, 0x00}) body.push_back(c);
        PutTag(b, "MTrk");
        PutBE32(b, uint32_t(body.size()));
        b.insert(b.end(), body.begin(), body.end());
    }
    return b;
}

MidiSummary ReadMidi(const Bytes& d) {
    MidiSummary s;
    if (!TagAt(d, 0, "MThd") || d.size() < 14 || GetBE32(d, 4) < 6) {
        s.error = "not a MIDI file";
        return s;
    }
    s.format = int(GetBE16(d, 8));
    const int declaredTracks = int(GetBE16(d, 10));
    s.ticksPerQuarter = int(GetBE16(d, 12));
    if (s.ticksPerQuarter <= 0 || s.ticksPerQuarter >= 0x8000) {
        s.error = "unsupported time division";
        return s;
    }
    std::map<uint32_t, uint32_t> tempoAt; // tick -> microseconds per quarter
    uint32_t endTick = 0;
    size_t at = 8 + GetBE32(d, 4);
    for (int t = 0; t < declaredTracks; ++t) {
        if (!TagAt(d, at, "MTrk") || at + 8 > d.size()) {
            s.error = "track " + std::to_string(t + 1) + " missing";
            return s;
        }
        const size_t end = at + 8 + GetBE32(d, at + 4);
        if (end > d.size()) {
            s.error = "track " + std::to_string(t + 1) + " cut short";
            return s;
        }
        size_t p = at + 8;
        uint32_t tick = 0;
        uint8_t running = 0;
        bool ended = false;
        auto varLen = [&](uint32_t& v) {
            v = 0;
            for (int i = 0; i < 4; ++i) {
                if (p >= end) return false;
                const uint8_t c = d[p++];
                v = v << 7 | (c & 0x7F);
                if (!(c & 0x80)) return true;
            }
            return false;
        };
        while (p < end && !ended) {
            uint32_t delta;
            if (!varLen(delta) || p >= end) {
                s.error = "bad delta time";
                return s;
            }
            tick += delta;
            uint8_t status = d[p];
            if (status & 0x80)
                ++p;
            else if (running)
                status = running;
            else {
                s.error = "data byte without status";
                return s;
            }
            if (status == 0xFF) {
                if (p >= end) break;
                const uint8_t type = d[p++];
                uint32_t len;
                if (!varLen(len) || p + len > end) {
                    s.error = "bad meta event";
                    return s;
                }
                if (type == 0x51 && len == 3)
                    tempoAt[tick] = uint32_t(d[p]) << 16 | uint32_t(d[p + 1]) << 8 | d[p + 2];
                if (type == 0x2F) ended = true;
                p += len;
            } else if (status == 0xF0 || status == 0xF7) {
                uint32_t len;
                if (!varLen(len) || p + len > end) {
                    s.error = "bad system exclusive event";
                    return s;
                }
                p += len;
            } else {
                running = status;
                const uint8_t kind = status & 0xF0;
                const size_t dataBytes = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
                if (p + dataBytes > end) {
                    s.error = "channel event cut short";
                    return s;
                }
                if (kind == 0x90 && d[p + 1] > 0) {
                    ++s.noteCount;
                    s.channels.insert(status & 0x0F);
                }
                if (kind == 0xC0) s.programs.insert(d[p]);
                p += dataBytes;
            }
            endTick = std::max(endTick, tick);
        }
        if (!ended) {
            s.error = "track " + std::to_string(t + 1) + " has no end";
            return s;
        }
        ++s.trackCount;
        at = end;
    }
    // Walk the tempo map up to the last tick; 120 beats a minute until the first change.
    double seconds = 0;
    uint32_t tick = 0, tempo = 500000;
    for (const auto& [changeTick, newTempo] : tempoAt) {
        if (changeTick >= endTick) break;
        seconds += double(changeTick - tick) * tempo / (1e6 * s.ticksPerQuarter);
        tick = changeTick;
        tempo = newTempo;
    }
    seconds += double(endTick - tick) * tempo / (1e6 * s.ticksPerQuarter);
    s.seconds = seconds;
    s.ok = true;
    return s;
}

} // namespace annals::assetfiles
