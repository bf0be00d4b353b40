#!/bin/sh
# CUPS backend for the tests: keeps each job's data and arguments as files in the folder that
# the device URI names (capture:/folder).
if [ $# -eq 0 ]; then
    echo 'direct capture "Unknown" "Test capture"'
    exit 0
fi
folder=${DEVICE_URI#capture:}
job=$1
{
    echo "job=$1"
    echo "user=$2"
    echo "title=$3"
    echo "copies=$4"
    echo "options=$5"
} > "$folder/job-$job.tmp"
if [ $# -ge 6 ]; then
    cat "$6" > "$folder/job-$job.data"
else
    cat > "$folder/job-$job.data"
fi
mv "$folder/job-$job.tmp" "$folder/job-$job.args"
exit 0
