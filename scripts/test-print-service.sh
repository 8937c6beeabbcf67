#!/usr/bin/env bash
# A print service of the tests' own: a private CUPS daemon with one queue,
# the default, whose backend writes PDF files.
#   test-print-service.sh start LINK   (LINK/unavailable says why, when it cannot run)
#   test-print-service.sh stop LINK
# The daemon lives in a fresh folder under /tmp, which LINK points to: its
# filters run as an unprivileged user, who must reach that folder wherever
# the checkout lives (a clone in a private home folder would shut them out).
# It listens only on its own socket, so clients reach it only through
# CUPS_SERVER=LINK/cups.sock; the machine's own printing is never touched.
set -u
command=${1:?start or stop}
link=$(realpath -ms "${2:?link}")
queue=VarnholtTest

stop() {
    local dir
    dir=$(readlink "$link" 2>/dev/null) || return 0
    if [ -f "$dir/cupsd.pid" ]; then
        local pid
        pid=$(cat "$dir/cupsd.pid")
        kill "$pid" 2>/dev/null
        # Its filters may still be writing into the folder: let it finish.
        for _ in $(seq 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
    fi
    case "$dir" in /tmp/varnholt-print.*) rm -rf "$dir" ;; esac
    rm -f "$link"
}

unavailable() {
    echo "$*" > "$dir/unavailable"
    echo "print service unavailable: $*" >&2
    [ -f "$dir/cupsd.pid" ] && kill "$(cat "$dir/cupsd.pid")" 2>/dev/null
    exit 0
}

stop
[ "$command" = stop ] && exit 0

rm -rf "$link"
dir=$(mktemp -d /tmp/varnholt-print.XXXXXX)
ln -s "$dir" "$link"
mkdir -p "$dir"/{etc/ssl,spool/tmp,cache,run,log,pdf,pdf-spool}
mkdir -p -m 1777 "$dir/gstmp"
chmod 755 "$dir" "$dir/pdf"

[ "$(id -u)" -eq 0 ] || unavailable "the PDF printer's backend runs only as root"
for tool in cupsd lpadmin lpstat unshare mount; do
    command -v "$tool" >/dev/null || unavailable "$tool is not installed"
done
[ -f /etc/cups/cups-pdf.conf ] || unavailable "printer-driver-cups-pdf is not installed"

cat > "$dir/etc/cups-files.conf" <<CONF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/run
ServerKeychain $dir/etc/ssl
Printcap $dir/run/printcap
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
SystemGroup root lpadmin
PeerCred on
CONF
cat > "$dir/etc/cupsd.conf" <<CONF
Listen $dir/cups.sock
Browsing No
WebInterface No
LogLevel warn
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
CONF
cat > "$dir/cups-pdf.conf" <<CONF
Out $dir/pdf
AnonDirName $dir/pdf
Spool $dir/pdf-spool
Log $dir/log
GSTmp $dir/gstmp
Grp lp
UserUMask 0022
CONF

# The PDF backend reads its settings from a fixed path: lay a private copy
# over it that only this daemon and its children see.
unshare --mount --propagation private -- sh -c \
    "mount --bind '$dir/cups-pdf.conf' /etc/cups/cups-pdf.conf && exec cupsd -f -c '$dir/etc/cupsd.conf' -s '$dir/etc/cups-files.conf'" \
    > "$dir/log/cupsd.out" 2>&1 &
echo $! > "$dir/cupsd.pid"

export CUPS_SERVER=$dir/cups.sock
unset PRINTER LPDEST
for _ in $(seq 100); do
    lpstat -r 2>/dev/null | grep -q "is running" && break
    kill -0 "$(cat "$dir/cupsd.pid")" 2>/dev/null || unavailable "cupsd did not start: $(tail -n 3 "$dir/log/cupsd.out" "$dir/log/error_log" 2>/dev/null | tr '\n' ' ')"
    sleep 0.1
done
lpstat -r 2>/dev/null | grep -q "is running" || unavailable "cupsd did not answer"

lpadmin -p "$queue" -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd \
    -o pdftops-renderer-default=pdftocairo -o TitlePref=1 2>/dev/null ||
    unavailable "the PDF queue could not be added"
lpadmin -d "$queue" || unavailable "the PDF queue could not be made the default"
rm -f "$dir/unavailable"
echo "print service running in $dir"
