#!/usr/bin/env bash
# Runs a command beside a private web server on loopback:
#   with_web_server.sh <command> [args...]
# The server serves a fresh folder, given to the command as
# QUILLON_TEST_WEB_DIR (a Unix path the tests write pages into) and
# QUILLON_TEST_WEB_URL (http://127.0.0.1:<port>), and stops with the command.
set -uo pipefail
folder=$(mktemp -d "${TMPDIR:-/tmp}/quillon-web.XXXXXX")
portfile=$folder.port
server=""
cleanup() {
  [ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
  rm -rf "$folder" "$portfile" "$folder.log"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# The emulated test machine starts with its loopback interface down; bring it
# up (as root, without further tools) so the server can be reached.
if [ "$(cat /sys/class/net/lo/operstate 2>/dev/null)" = down ] || \
   ! grep -q UP <(python3 -c 'import fcntl,socket,struct; s=socket.socket(); f=struct.unpack("16sh",fcntl.ioctl(s,0x8913,struct.pack("16sh",b"lo",0)))[1]; print("UP" if f & 1 else "DOWN")' 2>/dev/null); then
  python3 - <<'PY' || echo "with_web_server: could not bring the loopback interface up" >&2
import fcntl, socket, struct
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
flags = struct.unpack("16sh", fcntl.ioctl(s, 0x8913, struct.pack("16sh", b"lo", 0)))[1]  # SIOCGIFFLAGS
fcntl.ioctl(s, 0x8914, struct.pack("16sh", b"lo", flags | 1))  # SIOCSIFFLAGS: IFF_UP
PY
fi

python3 - "$folder" > "$portfile" 2>"$folder.log" <<'PY' &
import functools, http.server, sys
handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory=sys.argv[1])
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
print(server.server_address[1], flush=True)
server.serve_forever()
PY
server=$!
for _ in $(seq 1 100); do
  [ -s "$portfile" ] && break
  sleep 0.1
done
port=$(head -n 1 "$portfile")
if [ -z "$port" ]; then
  echo "with_web_server: the web server did not start" >&2
  exit 1
fi
export QUILLON_TEST_WEB_DIR=$folder QUILLON_TEST_WEB_URL=http://127.0.0.1:$port
"$@"
status=$?
# What the server was asked, when the command failed.
[ $status -ne 0 ] && { echo "with_web_server: the server's log:"; cat "$folder.log"; }
exit $status
