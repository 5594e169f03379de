# Builds an edition's prepared exams from its review items: 100 items each, drawn evenly across
# the topics, topics interleaved, pictured items left out. Usage: assemble_exams.py items.txt exams N
import re, sys
src, out, exams = sys.argv[1], sys.argv[2], int(sys.argv[3])
topics, cur = [], None
block = None
for line in open(src, encoding='utf-8').read().split('\n'):
    if line.startswith('@topic'):
        cur = []; topics.append(cur); block = None; continue
    if line.startswith('@item'):
        block = {'pictured': line.strip() != '@item', 'lines': []}; cur.append(block); continue
    if line.startswith('@'):
        raise SystemExit('unexpected directive: ' + line)
    if block is not None:
        block['lines'].append(line)
pools = [[b for b in t if not b['pictured']] for t in topics]
per_exam = 100
result = ['// The prepared exams, assembled from the review items (pictured items left out).', '']
for e in range(exams):
    counts = [per_exam // len(pools)] * len(pools)
    for i in range((per_exam - sum(counts))):
        counts[(i + e) % len(pools)] += 1
    picks = []
    for t, pool in enumerate(pools):
        start = e * counts[t] + t * 7
        picks.append([pool[(start + k) % len(pool)] for k in range(counts[t])])
    result += ['@exam %d' % (e + 1), '']
    order = []
    for k in range(max(counts)):
        for t in range(len(pools)):
            if k < len(picks[t]):
                order.append(picks[t][k])
    for b in order:
        body = '\n'.join(b['lines']).strip('\n')
        result += ['@item', body, '']
open(out, 'w', encoding='utf-8').write('\n'.join(result))
print(out, exams, 'exams,', sum(len(p) for p in pools), 'items available')
