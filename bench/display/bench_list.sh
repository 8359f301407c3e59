#!/usr/bin/env bash
# Lists a generated mbox with orlanda-cli and with the peers, one after the other in one run.
# Usage: bench/display/bench_list.sh ORLANDA_CLI MBOX   (make the mbox with make_corpus.py)
set -uo pipefail
cli=$1
mbox=$2
run() {
    local label=$1
    shift
    /usr/bin/time -f "$label: %e s, peak %M KB" "$@" >/dev/null 2>/tmp/bench_list.$$ </dev/null
    tail -1 /tmp/bench_list.$$
}
cat "$mbox" >/dev/null # warm the page cache for everyone alike
run "orlanda-cli list" "$cli" list "$mbox"
run "s-nail -H" env MAILRC=/dev/null s-nail -:/ -R -H -f "$mbox"
run "frm -l" frm -l "$mbox"
run "python mailbox+email" python3 -c '
import mailbox, sys
for m in mailbox.mbox(sys.argv[1]):
    print(m["to"], m["from"], m["subject"], m["date"], any(p.get_filename() for p in m.walk()))' "$mbox"
rm -f /tmp/bench_list.$$
