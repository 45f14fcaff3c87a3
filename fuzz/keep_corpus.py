#!/usr/bin/env python3
"""Folds what a fuzz run found into the kept seeds, within a size budget.

    fuzz/keep_corpus.py TARGET MERGED_DIR [BUDGET_KB [MAX_FILES]]

MERGED_DIR is the result of libFuzzer's merge of the seeds and the run's work
folder (fuzz_TARGET -merge=1 MERGED_DIR fuzz/corpus/TARGET WORK_DIR): a set of
inputs that keeps every feature the run reached. Inputs spread evenly over its
sizes, within the budget and the file count, join fuzz/corpus/TARGET under
their content hash, so that the replay test of the ordinary build covers them
and the repository stays small."""
import hashlib
import os
import shutil
import sys

here = os.path.dirname(os.path.abspath(__file__))
target, merged = sys.argv[1], sys.argv[2]
budget = int(sys.argv[3]) * 1024 if len(sys.argv) > 3 else 300 * 1024
max_files = int(sys.argv[4]) if len(sys.argv) > 4 else 150
corpus = os.path.join(here, "corpus", target)
os.makedirs(corpus, exist_ok=True)

have = set()
for name in os.listdir(corpus):
    with open(os.path.join(corpus, name), "rb") as f:
        have.add(hashlib.sha1(f.read()).hexdigest())

files = sorted((os.path.getsize(os.path.join(merged, n)), n) for n in os.listdir(merged))
stride = max(1, -(-len(files) // max_files))
used = added = 0
for size, name in files[::stride]:
    if used + size > budget or added >= max_files:
        break
    with open(os.path.join(merged, name), "rb") as f:
        data = f.read()
    digest = hashlib.sha1(data).hexdigest()
    if digest in have:
        continue
    shutil.copyfile(os.path.join(merged, name), os.path.join(corpus, "found-" + digest[:16]))
    have.add(digest)
    used += size
    added += 1
print("%s: %d inputs, %d KB kept" % (target, added, used // 1024))
