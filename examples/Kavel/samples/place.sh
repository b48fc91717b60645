# Places bundled sample results where an analysis writes them, for the
# stand-in batch files of the root:
#   place.sh [--input MODEL] JOB LOG NAME...
# copies samples/NAME to data/NAME for each NAME, each replaced whole so
# that a viewer never reads a half-written file, and adds to the log LOG in
# the root: the job, its model input, then each file placed. Jobs that run
# side by side each add their own lines. With --input nothing is placed
# unless the file MODEL is there.
here=$(dirname "$0")
root=$(dirname "$here")
input=
if [ "$1" = --input ]; then
    input=$2
    shift 2
    if [ ! -f "$input" ]; then
        printf '%s\ninput: %s\nmodel input not found\n' "$1" "$input" >> "$root/$2"
        exit 1
    fi
fi
job=$1
log=$2
shift 2
report=$job
if [ -n "$input" ]; then
    report="$report
input: $input"
fi
mkdir -p "$root/data" || exit 1
status=0
for name in "$@"; do
    part="$root/data/.$name.$$"
    if cat "$here/$name" > "$part" && mv -f "$part" "$root/data/$name"; then
        report="$report
data/$name"
    else
        rm -f "$part"
        report="$report
data/$name not placed"
        status=1
    fi
done
printf '%s\n' "$report" >> "$root/$log"
exit $status
