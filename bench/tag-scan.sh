#!/usr/bin/env bash
# Scanning a folder of 1,000 tagged MP3 files (copies of one short file, each with its own
# ID3v1 and ID3v2.3 tags): Tavrik's folder scan against `id3v2 -l` over the same files.
# Usage: bench/tag-scan.sh [FILES]   (build first: scripts/build.sh)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
count=${1:-1000}
scan=${TAVRIK_TAG_SCAN:-$root/build/bench/tag_scan}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/mp3"

sox -n -r 44100 -c 1 "$work/tone.wav" synth 2 sine 440
lame --quiet -b 128 "$work/tone.wav" "$work/tone.mp3"
/usr/bin/python3 - "$work/tone.mp3" "$work/mp3" "$count" <<'PY'
import shutil, sys
from mutagen.id3 import ID3, TIT2, TPE1, TALB, TRCK, TYER, TCON, COMM, TCOM, WXXX
src, folder, count = sys.argv[1], sys.argv[2], int(sys.argv[3])
for i in range(count):
    path = '%s/Artist %d - track %04d.mp3' % (folder, i % 37, i)
    shutil.copyfile(src, path)
    t = ID3()
    t.add(TIT2(encoding=1 if i % 2 else 0, text='Title %d' % i))
    t.add(TPE1(encoding=0, text='Artist %d' % (i % 37)))
    t.add(TALB(encoding=0, text='Album %d' % (i % 11)))
    t.add(TRCK(encoding=0, text='%d/%d' % (i % 20 + 1, 20)))
    t.add(TYER(encoding=0, text=str(1960 + i % 60)))
    t.add(TCON(encoding=0, text='(%d)' % (i % 148)))
    t.add(COMM(encoding=0, lang='eng', desc='', text='comment %d' % i))
    t.add(TCOM(encoding=0, text='Composer %d' % (i % 5)))
    t.add(WXXX(encoding=0, desc='', url='http://example.org/%d' % i))
    t.save(path, v1=2, v2_version=3)
PY

"$scan" "$work/mp3"
hyperfine --warmup 2 --runs 10 --export-json "$work/result.json" \
    -n tavrik "'$scan' '$work/mp3'" \
    -n 'id3v2 -l' "id3v2 -l '$work/mp3'/*.mp3 >/dev/null"
/usr/bin/python3 - "$work/result.json" "$count" <<'PY'
import json, sys
r = {x['command']: x for x in json.load(open(sys.argv[1]))['results']}
ours, theirs = r['tavrik']['median'], r['id3v2 -l']['median']
n = int(sys.argv[2])
print('per file: tavrik %.3f ms, id3v2 -l %.3f ms' % (ours * 1000 / n, theirs * 1000 / n))
print('ratio tavrik / id3v2 -l = %.2f (goal <= 1.0)' % (ours / theirs))
PY
