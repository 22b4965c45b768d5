#!/usr/bin/env python3
"""A sample bank with texts as long as a real bank's longest.

    tools/long_bank.py SAMPLE_BANK_JSON OUT_DIR

Writes OUT_DIR/bank.json: the sample bank's questions, each text lengthened
to 400 letters, each of four options (added where it had fewer) to about 160,
and an explanation, a tip and a law line added; OUT_DIR/images is a copy of the sample's pictures. Every text
still says it is a sample.
"""
import json
import os
import shutil
import sys

FILL = ('Khi điều khiển xe qua nơi giao nhau có biển báo và vạch kẻ đường, người lái xe phải '
        'nhường đường theo đúng thứ tự ưu tiên đã được quy định, giảm tốc độ và quan sát kỹ. ')


def lengthen(text, size):
    """`text`, then the filler sentence as often as needed, cut at `size` on a word."""
    out = text.rstrip() + ' '
    while len(out) < size:
        out += FILL
    out = out[:size]
    return out[:out.rstrip().rfind(' ')].rstrip(' ,.') + '.'


def main():
    src, out = sys.argv[1], sys.argv[2]
    bank = json.load(open(src, encoding='utf-8'))
    for q in bank['questions']:
        q['text'] = lengthen(q['text'], 400)
        opts = q['options'] + ['Phương án mẫu thêm %d của câu %d.' % (k, q['number'])
                               for k in range(len(q['options']) + 1, 5)]
        q['options'] = [lengthen(o, 160) for o in opts]
        q['explanation'] = lengthen(q.get('explanation') or 'Giải thích mẫu.', 300)
        q['tip'] = 'Mẹo mẫu: nhớ thứ tự ưu tiên: xe ưu tiên, đường ưu tiên, bên phải trống.'
        q['law'] = {'document': 'Văn bản mẫu số 00/2025 (không phải văn bản thật)', 'article': 'Điều 0 mẫu'}
    os.makedirs(out, exist_ok=True)
    json.dump(bank, open(os.path.join(out, 'bank.json'), 'w', encoding='utf-8'), ensure_ascii=False)
    # Copied, not linked: a bank's pictures must lie inside its folder.
    images = os.path.join(out, 'images')
    if not os.path.exists(images):
        shutil.copytree(os.path.join(os.path.dirname(os.path.abspath(src)), 'images'), images)


if __name__ == '__main__':
    main()
