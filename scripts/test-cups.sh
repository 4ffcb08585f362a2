#!/usr/bin/env bash
# SPDX-License-Identifier: Apache-2.0
# Prints label jobs through a real CUPS server: a private cupsd on a loopback
# port, with its configuration, spool, state, cache and logs in a temporary
# folder, queues made from `orcaui ppd` PPDs on file: devices, and the
# build's orcaui-filter. Checks the bytes that reach each device (the
# queue's settings first, exactly as the command generators write them,
# then the job unchanged), per-job options, a refused PDF and its reason,
# orcaui on the server's queues (their settings and custom papers in their
# PPDs, the Tools page's jobs as the queue's jobs), a paused queue and a
# stopped server. The server is stopped whatever happens.
#
#   test-cups.sh [BUILD_DIR]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)
orcaui=$build/host/orcaui
types=$PWD/packaging/cups/orcaui.types

for tool in cupsd lpadmin lp lpstat cancel cupsenable cupsdisable; do
    command -v "$tool" >/dev/null || PATH=$PATH:/usr/sbin
    command -v "$tool" >/dev/null || {
        echo "test-cups.sh: $tool missing (bash scripts/install-deps.sh test)" >&2
        exit 1
    }
done

root=$(mktemp -d)
pid=""
stop_server() {
    if [[ -n $pid ]] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid"
        wait "$pid" 2>/dev/null || true
    fi
    pid=""
}
finish() {
    local status=$?
    stop_server
    if ((status != 0)) && [[ -f $root/log/error_log ]]; then
        echo "--- the server's errors, and the end of its log:" >&2
        grep '^E ' "$root/log/error_log" | tail -n 20 >&2
        tail -n 20 "$root/log/error_log" >&2
    fi
    [[ -n ${KEEP_CUPS_ROOT:-} ]] || rm -rf "$root"
    exit $status
}
trap finish EXIT

fail() {
    echo "test-cups.sh: FAIL: $*" >&2
    exit 1
}

# The filters run as the lp user when the server runs as root: it must reach
# the folder, the filter and the devices' files. The build's filter is
# installed here, as a package installs it, since the lp user may not enter
# the folder of the build.
chmod 755 "$root"
mkdir -p "$root"/{conf,spool,state,cache,log,tmp,out,bin/filter,orcaui}
chmod 1777 "$root/out"
ln -s /usr/lib/cups/daemon "$root/bin/daemon"
# The system's backends, and one of the test's own: cupsd writes a raw job
# (the Tools page sends them) to a device, but to a file: device only through
# a filter, and a raw job has none. A capture:PATH device gets each job's
# bytes appended to PATH by its backend, as a printer's connection would.
mkdir "$root/bin/backend"
ln -s /usr/lib/cups/backend/* "$root/bin/backend/"
printf '#!/bin/sh\n[ $# -ge 5 ] || exit 0\nexec cat ${6:+"$6"} >>"${DEVICE_URI#capture:}"\n' \
    >"$root/bin/backend/capture"
chmod 755 "$root/bin/backend/capture"
cmake --install "$build" --prefix "$root/prefix" >/dev/null
ln -s "$root/prefix/lib/cups/filter/orcaui-filter" "$root/bin/filter/orcaui-filter"
cp "$types" "$root/conf/"

# A free loopback port: one nothing answers on.
port=""
for _ in $(seq 50); do
    candidate=$((20000 + RANDOM % 20000))
    if ! (exec 3<>"/dev/tcp/127.0.0.1/$candidate") 2>/dev/null; then
        port=$candidate
        break
    fi
done
[[ -n $port ]] || fail "no free loopback port"

user=$(id -un)
group=$(id -gn)
# As root the server runs its filters as lp; as another user, as that user.
if [[ $user == root ]]; then
    user=lp
    group=lp
fi
cat >"$root/conf/cups-files.conf" <<EOF
ServerRoot $root/conf
ServerBin $root/bin
DataDir /usr/share/cups
RequestRoot $root/spool
StateDir $root/state
CacheDir $root/cache
TempDir $root/tmp
ErrorLog $root/log/error_log
AccessLog $root/log/access_log
PageLog $root/log/page_log
Printcap $root/state/printcap
FileDevice Yes
User $user
Group $group
EOF
# No authentication on a loopback server of the test's own; a failing job is
# aborted instead of stopping its queue; one log, never rotated away.
cat >"$root/conf/cupsd.conf" <<EOF
Listen 127.0.0.1:$port
LogLevel debug
MaxLogSize 0
Browsing No
WebInterface No
ErrorPolicy abort-job
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
EOF

cupsd -f -c "$root/conf/cupsd.conf" -s "$root/conf/cups-files.conf" &
pid=$!
export CUPS_SERVER=127.0.0.1:$port
for _ in $(seq 100); do
    lpstat -r 2>/dev/null | grep -q "is running" && break
    kill -0 "$pid" 2>/dev/null || fail "cupsd ended at start"
    sleep 0.1
done
lpstat -r | grep -q "is running" || fail "cupsd did not start"

# A queue of the model on a file: device, its PPD from orcaui ppd.
add_queue() {
    local queue=$1 model=$2
    "$orcaui" --state "$root/orcaui" ppd "$model" >"$root/$queue.ppd" 2>/dev/null
    # lpadmin warns that PPDs are deprecated; they are what CUPS 2 has.
    lpadmin -p "$queue" -E -v "file:$root/out/$queue.prn" -P "$root/$queue.ppd" 2>&1 |
        { grep -v "drivers are deprecated" >&2 || true; }
}

# Prints a file on the queue and waits until the job has left the queue;
# prints the job's id.
print_and_wait() {
    local queue=$1
    shift
    local id
    id=$(lp -d "$queue" "$@" | sed -n 's/^request id is \([^ ]*\) .*/\1/p')
    [[ -n $id ]] || fail "lp gave no job id"
    wait_done "$id"
    echo "$id"
}

# A first job can wait seconds for the server to start its filters on a busy
# machine: give each job a minute, which costs nothing when it is quick.
wait_done() {
    for _ in $(seq 1200); do
        lpstat -o | grep -q "^$1 " || return 0
        sleep 0.05
    done
    fail "job $1 did not finish"
}

# The device's bytes must be exactly these (printf escapes).
expect_bytes() {
    local queue=$1 expected=$2 what=$3
    if ! cmp -s "$root/out/$queue.prn" <(printf "$expected"); then
        echo "expected: $(printf "$expected" | od -c | head -5)" >&2
        echo "got:      $(od -c "$root/out/$queue.prn" | head -5)" >&2
        fail "$what"
    fi
}

orca_label='^XA^FO10,10^A0N,30,30^FDShip 42^FS^PQ1^XZ'
onyx_label='\002L\rD11\r1911A0801000010Ship 42\rE\r'
printf "$orca_label" >"$root/label.orca"
printf "$onyx_label" >"$root/label.onyx"

add_queue kestrel "Kestrel(ORCA)"
add_queue heron "Heron(ONYX)"

# Every setting at Default: the job goes as it is.
print_and_wait kestrel "$root/label.orca" >/dev/null
expect_bytes kestrel "$orca_label" "an ORCA job on a queue of default settings is not unchanged"

# The queue's defaults (lpadmin -o sets the PPD's) go first, in a label
# format of their own; a job's options replace them for that job only.
lpadmin -p kestrel -o darkness=20 -o speed=76 -o top-adjust=1 -o media-type=ThermalDirect
print_and_wait kestrel "$root/label.orca" >/dev/null
expect_bytes kestrel "^XA^MTD^PR3,3~SD20^LT007^XZ$orca_label" "queue settings before the ORCA job"
print_and_wait kestrel -o darkness=25 -o backfeed=BeforePrinting "$root/label.orca" >/dev/null
expect_bytes kestrel "^XA^MTD^PR3,3~SD25^LT007~JSB^XZ$orca_label" "a job's options over the queue's"
print_and_wait kestrel "$root/label.orca" >/dev/null
expect_bytes kestrel "^XA^MTD^PR3,3~SD20^LT007^XZ$orca_label" "a job's options outlived the job"

lpadmin -p heron -o darkness=5 -o paper-type=MarkSensing -o operation-mode=Cutter
print_and_wait heron -o speed=76 -o outpaper-adjust=-1 "$root/label.onyx" >/dev/null
expect_bytes heron "\002j48000\r\002j24000\r\002j23000\rPF\rSF\rpF\rH05\r\002Kf-07\r$onyx_label" \
    "queue and job settings before the ONYX job"

# Copies are the printer's: a format without its own quantity gets them.
print_and_wait heron -n 3 "$root/label.onyx" >/dev/null
expect_bytes heron "\002j48000\r\002j24000\r\002j23000\rH05\r\002L\rD11\r1911A0801000010Ship 42\rQ0003\rE\r" \
    "the ONYX job's copies"
print_and_wait kestrel -n 2 "$root/label.orca" >/dev/null
expect_bytes kestrel "^XA^MTD^PR3,3~SD20^LT007^XZ$orca_label" "an ORCA job with its own quantity"

# A PDF is refused by the filter: CUPS stops the job and shows the filter's
# reason as the queue's message; the queue goes on with the next job.
printf '%%PDF-1.4\n%%EOF\n' >"$root/doc.pdf"
rm -f "$root/out/heron.prn"
id=$(lp -d heron "$root/doc.pdf" | sed -n 's/^request id is \([^ ]*\) .*/\1/p')
refusal="this job is a PDF document and was not printed"
for _ in $(seq 200); do
    lpstat -p heron -l | grep -q "$refusal" && break
    sleep 0.05
done
lpstat -p heron -l | grep -q "Heron(ONYX) prints label commands in ONYX; $refusal" ||
    fail "the PDF's refusal is not the queue's message"
lpstat -l -o heron | grep -A2 "^$id " | grep -q "job-completed-with-errors" ||
    fail "the PDF job did not end with errors"
[[ -s $root/out/heron.prn ]] && fail "the PDF reached the printer"
cancel "$id"
print_and_wait heron "$root/label.onyx" >/dev/null
expect_bytes heron "\002j48000\r\002j24000\r\002j23000\rH05\r$onyx_label" "the job after the refused PDF"

# A queue made from a simulated printer starts with its stored settings and
# sends its Custom Command page's document start (here a file of every byte
# value, carried in the PPD) and end around each job; lpadmin keeps them
# when it changes a default.
state=$root/orcaui
"$orcaui" --state "$state" printer add Dock --driver "ORCA Kestrel" >/dev/null 2>&1
"$orcaui" --state "$state" set Dock darkness=22 speed=127 top-adjust=0.3 >/dev/null 2>&1
for byte in $(seq 0 255); do printf "\\$(printf %03o "$byte")"; done >"$root/start.prn"
"$orcaui" --state "$state" sheet Dock "tab Custom Command" "select 1097 Document" \
    "select 1100 File" "answer file $root/start.prn" "click 1104" \
    "select 1101 Text" 'type 1103 "^XA^FDend^FS^XZ"' apply >/dev/null 2>&1 ||
    fail "the Custom Command page took no commands"
"$orcaui" --state "$state" ppd --printer Dock >"$root/dock.ppd" 2>/dev/null
lpadmin -p dock -E -v "file:$root/out/dock.prn" -P "$root/dock.ppd" 2>/dev/null
lpadmin -p dock -o darkness=24
print_and_wait dock "$root/label.orca" >/dev/null
cmp -s "$root/out/dock.prn" <(printf '^XA^MNW^MTT^MMT^PR5,5~SD24^LT002~TA000^LS0~JSN^XZ'
    cat "$root/start.prn"
    printf "$orca_label"
    printf '^XA^FDend^FS^XZ') || fail "the simulated printer's queue: $(od -c "$root/out/dock.prn" | head)"

# orcaui on the CUPS server: queues with their models, a new queue with its
# model's PPD, its jobs, and its removal.
on_cups=("$orcaui" --state "$state" --spooler cups --cups-server "$CUPS_SERVER")
"${on_cups[@]}" printer add shelf --model "Heron(ONYX)" --port "file:$root/out/shelf.prn" >/dev/null ||
    fail "orcaui could not add a CUPS queue"
listed=$(ORCAUI_SPOOLER=cups "$orcaui" --state "$state" printers)
for row in "kestrel +Kestrel\(ORCA\) +ORCA +file:$root/out/kestrel.prn" \
    "shelf +Heron\(ONYX\) +ONYX +file:$root/out/shelf.prn"; do
    grep -Eq "^$row\$" <<<"$listed" || fail "orcaui printers lists no \"$row\" in: $listed"
done
id=$(print_and_wait shelf -o darkness=7 "$root/label.onyx")
expect_bytes shelf "H07\r$onyx_label" "the queue orcaui added"
"${on_cups[@]}" jobs shelf | grep -q "^$id " || fail "orcaui jobs does not list $id"
"${on_cups[@]}" printer remove shelf >/dev/null
"${on_cups[@]}" printers | grep -q "^shelf " && fail "orcaui printer remove left the queue"
"${on_cups[@]}" printer add shelf --model Kestrel --port file:/dev/null 2>/dev/null &&
    fail "a queue of no model"

# A queue's printer through the plug-in: the Tools page's Calibrate is a raw
# job of the queue, in the server's history and orcaui's jobs, and reaches
# the device as it is.
"${on_cups[@]}" printer add depot --model "Kestrel(ORCA)" --port "capture:$root/out/depot.prn" \
    >/dev/null || fail "orcaui could not add the queue depot"
"${on_cups[@]}" sheet depot "tab Tools" "click 1127" >/dev/null ||
    fail "the Tools page's Calibrate on a CUPS queue"
id=$(lpstat -W all -o depot | sed -n 's/^\(depot-[0-9]*\) .*/\1/p' | tail -n 1)
[[ -n $id ]] || fail "the calibration is no job of the queue"
wait_done "$id"
expect_bytes depot "~JC" "the calibration reached the device"
"${on_cups[@]}" jobs depot | grep -Eq "^$id +Calibrate +.* completed " ||
    fail "orcaui jobs does not show the calibration: $("${on_cups[@]}" jobs depot)"

# `set` changes the queue's settings: the whole record goes into its PPD,
# and its label defaults agree with it. The new queue left every setting to
# the printer, and so does its record: only the darkness is sent.
rm -f "$root/out/depot.prn"
"${on_cups[@]}" set depot darkness=25 >/dev/null || fail "orcaui set on a CUPS queue"
print_and_wait depot "$root/label.orca" >/dev/null
expect_bytes depot "^XA~SD25^XZ$orca_label" "the label after orcaui set darkness=25"
grep -q '^\*orcauiSettings 1: ' "$root/conf/ppd/depot.ppd" || fail "the queue's PPD keeps no settings"
"${on_cups[@]}" set depot darkness=25 | grep -q "nothing changed" ||
    fail "a second set changed something"
# A default lpadmin changes since wins over the saved record.
lpadmin -p depot -o darkness=18
[[ $("${on_cups[@]}" get depot darkness) == *18* ]] ||
    fail "lpadmin's default did not reach the queue's settings: $("${on_cups[@]}" get depot darkness)"

# A custom paper added on the Stocks page stays with the queue.
"${on_cups[@]}" sheet depot --printer-sheet "tab Stocks" "type 1088 'Label 50'" "type 1089 500" \
    "type 1026 300" "click IDC_STOCKS_BUTTON_SAVE" >/dev/null || fail "the Stocks page on a queue"
grep -q '^\*orcauiPaper [0-9]*: "50000 30000 0 0 50000 30000 Custom Paper-Label 50"' \
    "$root/conf/ppd/depot.ppd" || fail "the queue's PPD keeps no custom paper"
"${on_cups[@]}" sheet depot | grep -q '"Custom Paper-Label 50"' ||
    fail "the custom paper is not among the queue's stocks"

# A settings file's import changes what prints: the simulated printer
# Dock's settings and its document start and end commands.
"$orcaui" --state "$state" settings Dock --export "$root/dock.drvs" >/dev/null
"${on_cups[@]}" settings depot --import "$root/dock.drvs" >/dev/null ||
    fail "orcaui settings --import on a CUPS queue"
rm -f "$root/out/depot.prn"
print_and_wait depot "$root/label.orca" >/dev/null
cmp -s "$root/out/depot.prn" <(printf '^XA^MNW^MTT^MMT^PR5,5~SD22^LT002~TA000^LS0~JSN^XZ'
    cat "$root/start.prn"
    printf "$orca_label"
    printf '^XA^FDend^FS^XZ') ||
    fail "the label after importing the settings file: $(od -c "$root/out/depot.prn" | head)"

# A paused queue takes the calibration, which waits there: orcaui says so
# with the server's reason and exit code 6.
cupsdisable -r "ribbon change" depot
code=0
"${on_cups[@]}" sheet depot "tab Tools" "click 1127" >/dev/null 2>"$root/orcaui.err" || code=$?
((code == 6)) || fail "a calibration on a paused queue exited $code"
grep -q "waits: the queue is paused (ribbon change)" "$root/orcaui.err" ||
    fail "the paused queue is not told: $(cat "$root/orcaui.err")"
"${on_cups[@]}" set depot darkness=26 >/dev/null || fail "orcaui set on a paused queue"
lpstat -p depot | grep -q "disabled" || fail "orcaui set resumed a paused queue"
cupsenable depot
code=0
"${on_cups[@]}" get nowhere darkness 2>/dev/null || code=$?
((code == 3)) || fail "a queue that is not there exited $code"

# A job on a paused queue waits, and prints when the queue goes on.
cupsdisable kestrel
id=$(lp -d kestrel "$root/label.orca" | sed -n 's/^request id is \([^ ]*\) .*/\1/p')
sleep 0.5
lpstat -o kestrel | grep -q "^$id " || fail "a job on a paused queue did not wait"
rm -f "$root/out/kestrel.prn"
cupsenable kestrel
wait_done "$id"
expect_bytes kestrel "^XA^MTD^PR3,3~SD20^LT007^XZ$orca_label" "the job that waited"

# With the server stopped, lp fails and says so.
stop_server
if lp -d kestrel "$root/label.orca" 2>"$root/lp.err"; then
    fail "lp succeeded with the server stopped"
fi
[[ -s $root/lp.err ]] || fail "lp failed silently with the server stopped"
"${on_cups[@]}" printers 2>"$root/orcaui.err" && fail "orcaui printers succeeded with the server stopped"
grep -q "no CUPS server answers at $CUPS_SERVER" "$root/orcaui.err" ||
    fail "orcaui printers did not tell the server is stopped: $(cat "$root/orcaui.err")"
code=0
"${on_cups[@]}" set depot darkness=5 2>"$root/orcaui.err" || code=$?
((code == 1)) && grep -q "no CUPS server answers at $CUPS_SERVER: " "$root/orcaui.err" ||
    fail "orcaui set with the server stopped: exit $code, $(cat "$root/orcaui.err")"

echo "test-cups.sh: all passed"
