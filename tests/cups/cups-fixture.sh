#!/bin/sh
# A private CUPS daemon for the print tests: its own configuration, spool and socket under DIR,
# so that the system's printers are never touched.
#   cups-fixture.sh start DIR queue   one raw queue "Capture", the default, keeping each job in DIR/jobs
#   cups-fixture.sh start DIR empty   no queue at all
#   cups-fixture.sh stop DIR
set -eu
action=$1
dir=$(mkdir -p "$2" && cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)

# Ends the daemon and waits until it is gone, since on its way out it removes its socket.
stop() {
    if [ -f "$dir/cupsd.pid" ]; then
        pid=$(cat "$dir/cupsd.pid")
        kill "$pid" 2>/dev/null || true
        tries=0
        while kill -0 "$pid" 2>/dev/null && [ $tries -lt 100 ]; do
            tries=$((tries + 1))
            sleep 0.05
        done
        kill -9 "$pid" 2>/dev/null || true
        rm -f "$dir/cupsd.pid"
    fi
}

case "$action" in
stop)
    stop
    exit 0
    ;;
start) ;;
*)
    echo "usage: $0 start DIR queue|empty | stop DIR" >&2
    exit 2
    ;;
esac

stop
rm -f "$dir/cups.sock"
rm -rf "$dir/etc" "$dir/spool" "$dir/cache" "$dir/state" "$dir/tmp" "$dir/log" "$dir/serverbin" "$dir/jobs"
mkdir -p "$dir/etc/ppd" "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log" "$dir/serverbin/backend" "$dir/jobs"

if [ "$(id -u)" = 0 ]; then
    user=lp
    group=lp
    chgrp -R lp "$dir/spool" "$dir/cache" "$dir/state" "$dir/etc"
    chmod -R g+rwX "$dir/spool" "$dir/cache" "$dir/state"
else
    user=$(id -un)
    group=$(id -gn)
fi

# The system's filters and helpers, and a backend of our own that keeps each job as a file.
for entry in /usr/lib/cups/*; do
    [ "$(basename "$entry")" = backend ] || ln -s "$entry" "$dir/serverbin/$(basename "$entry")"
done
cp "$here/capture-backend.sh" "$dir/serverbin/backend/capture"
chmod 0700 "$dir/serverbin/backend/capture"  # run as root when the daemon is root

cat > "$dir/etc/cupsd.conf" <<CONF
Listen $dir/cups.sock
LogLevel warn
Browsing No
WebInterface No
DefaultAuthType None
MaxJobs 0
PreserveJobFiles No
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
CONF

cat > "$dir/etc/cups-files.conf" <<CONF
User $user
Group $group
SystemGroup root
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ServerBin $dir/serverbin
DataDir /usr/share/cups
DocumentRoot /usr/share/cups/doc-root
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
CONF

/usr/sbin/cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" </dev/null >"$dir/log/cupsd.out" 2>&1 &
echo $! > "$dir/cupsd.pid"

export CUPS_SERVER="$dir/cups.sock"
tries=0
until lpstat -r >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ $tries -gt 100 ]; then
        echo "cupsd did not start:" >&2
        cat "$dir/log/cupsd.out" "$dir/log/error_log" >&2 2>/dev/null || true
        exit 1
    fi
    sleep 0.1
done

# The daemon answers before it has finished starting; lpadmin may need a second try.
retry() {
    tries=0
    until "$@" 2>"$dir/log/lpadmin.err"; do
        tries=$((tries + 1))
        if [ $tries -gt 50 ]; then
            cat "$dir/log/lpadmin.err" "$dir/log/error_log" >&2 2>/dev/null || true
            exit 1
        fi
        sleep 0.1
    done
}

if [ "${3:-queue}" = queue ]; then
    # Raw queues are deprecated but keep the job's data as it came: a PDF from Qt.
    retry lpadmin -p Capture -v "capture:$dir/jobs" -E -m raw
    retry lpadmin -d Capture
    retry lpstat -d
fi
echo "cupsd $(cat "$dir/cupsd.pid") at $CUPS_SERVER"
