#!/usr/bin/env python3
"""Makes the client's 27 sounds as RIFF WAVE files in assets/sounds/ and the resource
list assets/sounds.qrc that compiles them into the program.

Event sounds are synthesised with sox; the chatter sounds are espeak-ng phrases or
synthesised noises, shaped with sox. Every file gets exactly the channel count, sample
rate and sample size the client expects of it; "wave6" holds MPEG Layer III data inside
its WAVE container (encoded by ffmpeg with libmp3lame). All sounds are brought to one
loudness, -18 dBFS RMS, with ffmpeg's look-ahead limiter keeping the peaks below
-1 dBFS. The results are checked by reading their headers back and measuring their
levels with sox, so a tool that writes something else fails the run.

Needs: sox, espeak-ng, ffmpeg (scripts/install-tool-deps installs them).
Usage: tools/make_sounds.py [output-folder]   (default: assets/sounds beside this script)
"""
import os
import random
import shutil
import struct
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)

# name: (channels, sample rate, bits; 0 for MPEG Layer III)
LAYOUT = {
    "clear": (1, 11025, 16),
    "entered": (1, 11025, 8),
    "gameover": (1, 22050, 8),
    "goodword": (1, 22050, 8),
    "goodwordthem": (1, 11025, 8),
    "invalid": (2, 11025, 16),
    "roundover": (1, 22050, 8),
    "sendword": (1, 44100, 16),
    "tick": (1, 44100, 16),
    "timeup": (1, 11025, 8),
    "turn": (2, 11025, 16),
    "turnnew": (1, 44100, 8),
    "valid": (1, 11025, 8),
    "wave1": (1, 11025, 8),
    "wave2": (1, 11025, 8),
    "wave3": (1, 11025, 8),
    "wave4": (1, 22254, 8),
    "wave5": (1, 11025, 8),
    "wave6": (1, 11025, 0),
    "wave7": (1, 11025, 8),
    "wave8": (1, 22254, 8),
    "wave9": (1, 22050, 8),
    "wave10": (1, 11025, 8),
    "wave11": (1, 11025, 8),
    "wave12": (1, 22050, 8),
    "wave13": (1, 8000, 8),
    "wave14": (1, 22050, 8),
}

MAX_SECONDS = 2.0
WORK_RATE = 44100  # every sound is made at this rate and converted at the end


class Maker:
    def __init__(self, tmp):
        self.tmp = tmp
        self.count = 0

    def path(self, stem="part"):
        self.count += 1
        return os.path.join(self.tmp, "%s%03d.wav" % (stem, self.count))

    @staticmethod
    def run(args):
        subprocess.run(args, check=True, stdout=subprocess.DEVNULL)

    # --- building blocks, each returning the path of a mono 16-bit work file ---

    def synth(self, seconds, generators, effects=(), channels=1):
        """sox's synth effect: generators such as ["pluck", "E5"] or ["sine", "440-880"]."""
        out = self.path()
        args = ["sox", "-R", "-n", "-r", str(WORK_RATE), "-c", str(channels), "-b", "16", out,
                "synth", "%.4f" % seconds]
        for g in generators:
            args += g
        args += list(effects)
        self.run(args)
        return out

    def speak(self, text, voice, pitch, speed, effects=()):
        raw = self.path("speech")
        self.run(["espeak-ng", "-v", voice, "-p", str(pitch), "-s", str(speed), "-w", raw, text])
        out = self.path()
        # Trim the silence espeak-ng leaves around a phrase.
        self.run(["sox", "-R", raw, "-r", str(WORK_RATE), "-c", "1", "-b", "16", out,
                  "silence", "1", "0.01", "0.3%", "reverse", "silence", "1", "0.01", "0.3%", "reverse"]
                 + list(effects))
        return out

    def silence(self, seconds, channels=1):
        return self.synth(seconds, [["sine", "0"]] * channels, ["vol", "0"], channels=channels)

    def join(self, parts, effects=()):
        out = self.path()
        self.run(["sox", "-R"] + list(parts) + [out] + list(effects))
        return out

    def mix(self, parts, effects=()):
        out = self.path()
        self.run(["sox", "-R", "-m"] + list(parts) + [out] + list(effects))
        return out

    def scatter(self, sound, offsets, effects=()):
        """Mixes copies of one short sound starting at the given offsets (seconds)."""
        out = self.path()
        n = len(offsets)
        self.run(["sox", "-R", sound, out, "remix"] + ["1"] * n
                 + ["delay"] + ["%.4f" % o for o in offsets] + ["remix", "-"] + list(effects))
        return out


def tone(m, seconds, freqs, shape="sine", effects=()):
    return m.synth(seconds, [[shape, f] for f in freqs], ["remix", "-", "vol", "0.7"] + list(effects))


def arpeggio(m, notes, step, ring, effects=()):
    """Plucked notes, one every `step` seconds, each ringing for `ring` seconds."""
    total = step * (len(notes) - 1) + ring
    gens = [["pluck", n] for n in notes]
    delays = ["%.3f" % (i * step) for i in range(len(notes))]
    return m.synth(total, gens, ["delay"] + delays + ["remix", "-", "fade", "0", "%.3f" % total, "0.15"]
                   + list(effects), channels=len(notes))


# --- the event sounds ---

def make_clear(m):
    # A short falling whoosh: band-passed noise under a gliding tone.
    air = m.synth(0.32, [["pinknoise"]], ["sinc", "600-4000", "fade", "q", "0.04", "0.32", "0.25", "vol", "0.6"])
    glide = tone(m, 0.32, ["1400-350"], effects=["fade", "q", "0.01", "0.32", "0.2", "vol", "0.25"])
    return m.mix([air, glide])


def make_entered(m):
    # Two-note door chime, high then low.
    return arpeggio(m, ["E5", "C5"], 0.28, 0.75)


def make_gameover(m):
    # A little brass-like fanfare: three short notes and a held chord.
    def note(seconds, freqs):
        return tone(m, seconds, freqs, "sawtooth",
                    ["vol", "0.4", "lowpass", "2200", "fade", "h", "0.015", "%.3f" % seconds, "0.06"])
    gap = m.silence(0.03)
    parts = [note(0.13, ["G4"]), gap, note(0.13, ["C5"]), gap, note(0.13, ["E5"]), gap,
             note(0.75, ["G4", "C5", "E5", "G5"])]
    return m.join(parts, ["fade", "0", "-0", "0.3", "tremolo", "5", "15"])


def make_goodword(m):
    # Bright rising arpeggio.
    return arpeggio(m, ["C5", "E5", "G5", "C6"], 0.07, 0.7)


def make_goodwordthem(m):
    # A soft single bell, quieter than the own find.
    return arpeggio(m, ["G5", "D6"], 0.0, 0.35, ["vol", "0.5"])


def make_invalid(m):
    # A low two-step "bonk-bonk", slightly wider in one ear than the other.
    def bonk(seconds, freq):
        return m.synth(seconds, [["square", freq], ["square", freq]],
                       ["vol", "0.4", "lowpass", "1000", "fade", "h", "0.005", "%.3f" % seconds, "0.12"], channels=2)
    return m.join([bonk(0.16, "233"), m.silence(0.04, channels=2), bonk(0.3, "175")],
                  ["delay", "0", "0.008"])


def make_roundover(m):
    # Gentle descending chime.
    return arpeggio(m, ["C6", "G5", "E5", "C5"], 0.16, 0.9)


def make_sendword(m):
    # A quick rising whoosh.
    air = m.synth(0.36, [["pinknoise"]], ["sinc", "900-6000", "fade", "q", "0.22", "0.36", "0.12", "vol", "0.6"])
    glide = tone(m, 0.36, ["300-1500"], effects=["fade", "q", "0.2", "0.36", "0.12", "vol", "0.2"])
    return m.mix([air, glide])


def make_tick(m):
    # A dry wood-block tick.
    body = tone(m, 0.05, ["1700", "2650"], effects=["fade", "l", "0", "0.05", "0.048"])
    snap = m.synth(0.05, [["whitenoise"]], ["vol", "0.5", "highpass", "3000", "fade", "l", "0", "0.05", "0.049", "vol", "0.4"])
    return m.mix([body, snap])


def make_timeup(m):
    # Three quick alarm beeps.
    return tone(m, 0.12, ["880", "1760"], "sine",
                ["fade", "q", "0.005", "0.12", "0.02", "pad", "0", "0.07", "repeat", "2"])


def make_turn(m):
    # A clear bell: inharmonic partials with a long ring, widened across the ears.
    bell = m.synth(0.9, [["sine", "660"], ["sine", "1822"], ["sine", "3564"]],
                   ["remix", "1v0.6,2v0.3,3v0.1", "1v0.6,2v0.3,3v0.1", "fade", "l", "0.003", "0.9", "0.86"],
                   channels=3)
    return m.join([bell], ["delay", "0", "0.012"])


def make_turnnew(m):
    # Two friendly gliding blips.
    a = tone(m, 0.1, ["600-900"], effects=["fade", "q", "0.005", "0.1", "0.03"])
    b = tone(m, 0.18, ["900-1350"], effects=["fade", "q", "0.005", "0.18", "0.12"])
    return m.join([a, m.silence(0.03), b])


def make_valid(m):
    # A tiny high pluck.
    return m.synth(0.08, [["pluck", "A6"]], ["fade", "0", "0.08", "0.03"])


# --- the chatter sounds ---

def make_cough(m):
    def burst(seconds, centre):
        return m.synth(seconds, [["whitenoise"]],
                       ["band", "-n", str(centre), "900", "fade", "p", "0.006", "%.3f" % seconds, "%.3f" % (seconds - 0.02)])
    return m.join([burst(0.22, 800), m.silence(0.12), burst(0.16, 950)])


def make_snore(m):
    # Inhaling rumble (a fluttering low buzz in noise), then a soft whistling breath out.
    flutter = m.synth(1.0, [["sawtooth", "38"]], ["vol", "0.4", "lowpass", "500"])
    breath = m.synth(1.0, [["brownnoise"]], ["lowpass", "900", "vol", "0.7"])
    inhale = m.mix([flutter, breath], ["fade", "q", "0.4", "1.0", "0.3"])
    whistle = tone(m, 0.6, ["950-700"], effects=["vol", "0.15"])
    air = m.synth(0.6, [["pinknoise"]], ["sinc", "400-2500", "vol", "0.35"])
    exhale = m.mix([whistle, air], ["fade", "q", "0.1", "0.6", "0.35"])
    return m.join([inhale, m.silence(0.15), exhale])


def make_applause(m):
    # Many hands: two kinds of clap scattered at random (fixed seed), over a faint crowd.
    rng = random.Random(7772)
    layers = []
    for centre in (1100, 1800):
        clap = m.synth(0.025, [["whitenoise"]], ["band", "-n", str(centre), "900",
                                                 "fade", "p", "0", "0.025", "0.023"])
        offsets = sorted(rng.uniform(0.0, 1.45) for _ in range(26))
        layers.append(m.scatter(clap, offsets))
    crowd = m.synth(1.5, [["pinknoise"]], ["band", "-n", "1500", "1500", "vol", "0.05"])
    return m.mix(layers + [crowd], ["fade", "q", "0.05", "1.5", "0.4"])


def make_honk(m):
    def honk(seconds):
        return tone(m, seconds, ["370", "466"], "square",
                    ["vol", "0.4", "lowpass", "1600", "fade", "h", "0.01", "%.3f" % seconds, "0.03"])
    return m.join([honk(0.2), m.silence(0.08), honk(0.42)])


MAKERS = {
    "clear": make_clear,
    "entered": make_entered,
    "gameover": make_gameover,
    "goodword": make_goodword,
    "goodwordthem": make_goodwordthem,
    "invalid": make_invalid,
    "roundover": make_roundover,
    "sendword": make_sendword,
    "tick": make_tick,
    "timeup": make_timeup,
    "turn": make_turn,
    "turnnew": make_turnnew,
    "valid": make_valid,
    "wave1": lambda m: m.speak("D'oh!", "en-us+m3", 30, 150),
    "wave2": make_cough,
    "wave3": lambda m: m.speak("Hello!", "en-us+f3", 60, 150),
    "wave4": lambda m: m.speak("Thank you!", "en+m2", 50, 160),
    "wave5": lambda m: m.speak("Where have you been?", "en-us+f2", 55, 175),
    "wave6": make_snore,
    "wave7": lambda m: m.speak("Ahh... Ahh... choo!", "en+m1", 70, 190),
    "wave8": lambda m: m.speak("Sorry!", "en+f4", 45, 140),
    "wave9": lambda m: m.speak("Welcome!", "en-us+m7", 55, 150),
    "wave10": lambda m: m.speak("Yee haw!", "en-us+m4", 80, 170, ["pitch", "200"]),
    "wave11": lambda m: m.speak("Yippee!", "en-us+f5", 90, 170),
    "wave12": lambda m: m.speak("Oh no!", "en+m3", 25, 120),
    "wave13": make_applause,
    "wave14": make_honk,
}


# One loudness for every sound: the average (RMS) level of the whole file, with the peaks
# held below full scale by a look-ahead limiter. The limiter works a little below the
# ceiling the finished files must keep, leaving room for the 8-bit and MP3 encoders.
TARGET_RMS_DB = -18.0
RMS_TOLERANCE_DB = 1.0
PEAK_LIMIT_DB = -2.0
PEAK_CEILING_DB = -1.0


def levels(path):
    """(RMS dBFS, peak dBFS) of a sound file, as sox's stats effect measures them.

    MPEG Layer III inside a WAVE container is decoded with ffmpeg first, since sox
    cannot read it."""
    with tempfile.TemporaryDirectory() as tmp:
        tag = read_wave_header(path)[0]
        if tag != 1:
            pcm = os.path.join(tmp, "decoded.wav")
            Maker.run(["ffmpeg", "-hide_banner", "-loglevel", "error", "-y", "-i", path,
                       "-c:a", "pcm_s16le", pcm])
            path = pcm
        out = subprocess.run(["sox", path, "-n", "stats"], check=True, capture_output=True, text=True).stderr
    found = {}
    for line in out.splitlines():
        for key in ("RMS lev dB", "Pk lev dB"):
            if line.startswith(key):
                found[key] = float(line[len(key):].split()[0])  # the first column: all channels
    return found["RMS lev dB"], found["Pk lev dB"]


def limit(m, source, gain_db):
    """The source amplified by gain_db, its peaks held at PEAK_LIMIT_DB."""
    out = m.path()
    Maker.run(["ffmpeg", "-hide_banner", "-loglevel", "error", "-y", "-i", source,
               "-af", "alimiter=level_in=%.6f:limit=%.6f:attack=1:release=20:level=false:latency=true"
               % (10 ** (gain_db / 20), 10 ** (PEAK_LIMIT_DB / 20)),
               "-c:a", "pcm_s16le", "-fflags", "+bitexact", "-flags:a", "+bitexact", out])
    return out


def level(m, source, target=TARGET_RMS_DB):
    """Brings the source to the target RMS level. Limiting the peaks lowers the average
    again, so the gain is raised by what is missing until the level is reached."""
    rms, _peak = levels(source)
    gain = target - rms
    for _attempt in range(8):
        out = limit(m, source, gain)
        rms, _peak = levels(out)
        if abs(rms - target) <= 0.2:
            break
        gain += target - rms
    return out


def encode_mp3(levelled, rate, channels, target):
    Maker.run(["ffmpeg", "-hide_banner", "-loglevel", "error", "-y", "-i", levelled,
               "-ar", str(rate), "-ac", str(channels), "-c:a", "libmp3lame", "-b:a", "32k",
               "-map_metadata", "-1", "-fflags", "+bitexact", "-flags:a", "+bitexact",
               "-f", "wav", target])


def finish(m, work, name, out_dir):
    channels, rate, bits = LAYOUT[name]
    target = os.path.join(out_dir, name + ".wav")
    # Levelled at the final rate and channel count, so what is measured is what is heard;
    # soft edges against clicks.
    staged = m.path()
    Maker.run(["sox", "-R", work, "-r", str(rate), "-c", str(channels), "-b", "16", staged,
               "fade", "0.003", "-0", "0.01"])
    levelled = level(m, staged)
    if bits == 0:
        encode_mp3(levelled, rate, channels, target)
        # The encoder's low-pass takes some energy away: make up for it once.
        rms, _peak = levels(target)
        if abs(rms - TARGET_RMS_DB) > 0.2:
            encode_mp3(level(m, staged, 2 * TARGET_RMS_DB - rms), rate, channels, target)
    else:
        encoding = "unsigned-integer" if bits == 8 else "signed-integer"
        Maker.run(["sox", "-R", levelled, "-r", str(rate), "-c", str(channels), "-b", str(bits),
                   "-e", encoding, "-t", "wav", target])
    return target


def read_wave_header(path):
    """(format tag, channels, rate, bits, seconds) from a RIFF WAVE file."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:4] != b"RIFF" or data[8:12] != b"WAVE":
        raise ValueError("%s: not a RIFF WAVE file" % path)
    pos, fmt, length, fact = 12, None, None, None
    while pos + 8 <= len(data):
        cid, size = data[pos:pos + 4], struct.unpack("<I", data[pos + 4:pos + 8])[0]
        body = data[pos + 8:pos + 8 + size]
        if cid == b"fmt ":
            fmt = struct.unpack("<HHIIHH", body[:16])
        elif cid == b"data":
            length = size
        elif cid == b"fact":
            fact = struct.unpack("<I", body[:4])[0]
        pos += 8 + size + (size & 1)
    if fmt is None or length is None:
        raise ValueError("%s: no fmt or data chunk" % path)
    tag, channels, rate, byte_rate, _align, bits = fmt
    frames = fact if tag != 1 and fact else length / max(1, channels * bits // 8)
    seconds = frames / rate if tag == 1 or fact else length / byte_rate
    return tag, channels, rate, bits, seconds


def check(path, name):
    tag, channels, rate, bits, seconds = read_wave_header(path)
    want_channels, want_rate, want_bits = LAYOUT[name]
    want_tag = 0x55 if want_bits == 0 else 1
    problems = []
    if tag != want_tag:
        problems.append("format tag %#x, wanted %#x" % (tag, want_tag))
    if channels != want_channels:
        problems.append("%d channels, wanted %d" % (channels, want_channels))
    if rate != want_rate:
        problems.append("rate %d, wanted %d" % (rate, want_rate))
    if want_bits and bits != want_bits:
        problems.append("%d bits, wanted %d" % (bits, want_bits))
    if not 0.03 <= seconds <= MAX_SECONDS:
        problems.append("%.2f s long" % seconds)
    rms, peak = levels(path)
    if abs(rms - TARGET_RMS_DB) > RMS_TOLERANCE_DB:
        problems.append("RMS level %.1f dBFS, wanted %.1f" % (rms, TARGET_RMS_DB))
    if peak >= PEAK_CEILING_DB:
        problems.append("peak %.1f dBFS, wanted below %.1f" % (peak, PEAK_CEILING_DB))
    if problems:
        raise SystemExit("%s: %s" % (name, "; ".join(problems)))
    return seconds, rms, peak


def write_qrc(out_dir, names):
    qrc = os.path.join(os.path.dirname(out_dir), "sounds.qrc")
    folder = os.path.basename(out_dir)
    lines = ['<!DOCTYPE RCC>', '<RCC version="1.0">', '    <qresource prefix="/sounds">']
    for name in names:
        lines.append('        <file alias="%s.wav">%s/%s.wav</file>' % (name, folder, name))
    lines += ['    </qresource>', '</RCC>', '']
    with open(qrc, "w") as f:
        f.write("\n".join(lines))
    return qrc


def main():
    out_dir = os.path.abspath(sys.argv[1]) if len(sys.argv) > 1 else os.path.join(ROOT, "assets", "sounds")
    for tool in ("sox", "espeak-ng", "ffmpeg"):
        if shutil.which(tool) is None:
            raise SystemExit("%s is missing; run scripts/install-tool-deps" % tool)
    os.makedirs(out_dir, exist_ok=True)
    with tempfile.TemporaryDirectory() as tmp:
        m = Maker(tmp)
        for name in LAYOUT:
            target = finish(m, MAKERS[name](m), name, out_dir)
            seconds, rms, peak = check(target, name)
            print("%-13s %6d bytes  %.2f s  RMS %6.2f dBFS  peak %6.2f dBFS"
                  % (name, os.path.getsize(target), seconds, rms, peak))
    print("wrote", write_qrc(out_dir, LAYOUT.keys()))


if __name__ == "__main__":
    main()
