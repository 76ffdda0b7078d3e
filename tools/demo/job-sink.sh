#!/bin/sh
# The command behind a demo printer's port: the spooler pipes each job into it, and it keeps the
# job as the next free numbered file, so no job overwrites or leaves a tail in another.
#   job-sink.sh FOLDER NAME   writes FOLDER/NAME-1.prn, FOLDER/NAME-2.prn, ...
folder=$1
name=$2
n=1
while [ -e "$folder/$name-$n.prn" ]; do n=$((n + 1)); done
exec cat > "$folder/$name-$n.prn"
