// Reading and writing the three asset formats of the game: 24-bit BMP sheets, mono
// 16-bit PCM WAV sounds and Standard MIDI files. The generator writes them; the asset
// test reads them back to check what the game will load.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace annals::assetfiles {

using Bytes = std::vector<uint8_t>;

bool ReadFile(const std::string& path, Bytes& out);
bool WriteFile(const std::string& path, const Bytes& data);

// --- BMP -------------------------------------------------------------------------
// Pixels are 0x00RRGGBB, rows top to bottom.
Bytes EncodeBmp24(int width, int height, const std::vector<uint32_t>& pixels);

struct BmpImage {
    bool ok = false;
    std::string error;
    int width = 0, height = 0, bitsPerPixel = 0;
    std::vector<uint32_t> pixels; // 0x00RRGGBB, top to bottom; filled for 24-bit files
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
BmpImage DecodeBmp(const Bytes& data);

// --- WAV -------------------------------------------------------------------------
Bytes EncodeWav(const std::vector<int16_t>& samples, int sampleRate);

struct WavSound {
    bool ok = false;
    std::string error;
    int channels = 0, sampleRate = 0, bitsPerSample = 0;
    std::vector<int16_t> samples;
    double Seconds() const { return sampleRate ? double(samples.size()) / sampleRate : 0.0; }
};
WavSound DecodeWav(const Bytes& data);

// --- MIDI ------------------------------------------------------------------------
// One event: its absolute tick and its bytes as they stand in the file after the
// delta time (status byte included; meta events as FF type length data).
struct MidiEvent {
    uint32_t tick = 0;
    Bytes bytes;
};
struct MidiTrack {
    std::vector<MidiEvent> events; // any order; the encoder sorts them by tick
};
struct MidiSong {
    int ticksPerQuarter = 480;
    std::vector<MidiTrack> tracks;
};
// Format 1. Events of one tick keep meta and program changes first, then note-offs,
// then note-ons, so a note struck again on the same tick is not cut.
Bytes EncodeMidi(const MidiSong& song);

struct MidiSummary {
    bool ok = false;
    std::string error;
    int format = 0, trackCount = 0, ticksPerQuarter = 0;
    double seconds = 0; // from the start to the last event of any track
    int noteCount = 0;
    std::set<int> channels; // 0..15 of the note-ons
    std::set<int> programs; // program changes, 0..127
};
MidiSummary ReadMidi(const Bytes& data);

} // namespace annals::assetfiles
