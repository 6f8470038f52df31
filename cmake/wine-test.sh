#!/bin/sh
# Runs a Windows program of the build under Wine for ctest. Wine loses what a
# QtTest program writes to standard output, so its log goes through a file.
wine=$1
shift
case "$(basename "$1")" in
tst_*) ;;
*) exec "$wine" "$@" ;;
esac
log=$(mktemp)
"$wine" "$@" -o "Z:$log,txt"
status=$?
cat "$log"
rm -f "$log"
exit $status
