#!/usr/bin/env bash
# The mail program as Vexo starts it: a picture and its three-field argument
# string become an .eml file under "Lumora Mail" in the user's documents that a
# MIME reader takes apart into the subject and the very same JPEG; malformed
# arguments and a missing picture end with their own status and mail nothing.
set -euo pipefail
source "$(dirname "$0")/../../tools/wine-env.sh"
lumora_wine_env
fail() { echo "FAIL: $*" >&2; exit 1; }
export LUMORA_POSTERLY_SILENT=1
posterly="$LUMORA_PROGRAM_DIR/Posterly.exe"
[ -f "$posterly" ] || fail "Posterly.exe is not installed beside Vexo.exe"

work="$LUMORA_C/mailtest"
rm -rf "$work" && mkdir -p "$work"
convert -size 96x64 gradient:red-blue -quality 90 "jpg:$work/pp1A2.tmp"

# Vexo starts it with the string unquoted after the program's name, blanks
# and all.
rawstart() { wine "$LUMORA_WIN_BUILD/tests/e2e/rawstart.exe" "$@"; }
out=$(rawstart '"C:\Program Files\Lumora\Posterly.exe" Quarterly Review]Quarterly Review.jpg]C:\mailtest\pp1A2.tmp]' | tr -d '\r') ||
    fail "Posterly ended with status $?: $out"
eml=$(winepath -u "$(printf '%s\n' "$out" | tail -n 1)" 2>/dev/null)
[ -f "$eml" ] || fail "no message saved ($out)"
case "$eml" in */"Lumora Mail"/"Quarterly Review "*.eml) ;; *) fail "message saved as $eml" ;; esac
[ -f "$work/pp1A2.tmp" ] || fail "the picture is gone: deleting it is Vexo's business"

python3 - "$eml" "$work/pp1A2.tmp" <<'PY' || fail "the message does not read back"
import email, email.policy, sys
msg = email.message_from_binary_file(open(sys.argv[1], 'rb'), policy=email.policy.default)
assert msg['Subject'] == 'Quarterly Review', msg['Subject']
assert msg.get_content_type() == 'multipart/mixed'
parts = list(msg.iter_attachments())
assert len(parts) == 1, parts
pic = parts[0]
assert pic.get_content_type() == 'image/jpeg'
assert pic.get_filename() == 'Quarterly Review.jpg', pic.get_filename()
assert pic.get_content() == open(sys.argv[2], 'rb').read(), 'attachment bytes differ'
body = msg.get_body(('plain',)).get_content()
assert 'Quarterly Review.jpg' in body, body
PY

count_mail() { find "$(dirname "$eml")" -name '*.eml' | wc -l; }
before=$(count_mail)
status() { local rc=0; wine "$posterly" "$@" >/dev/null 2>&1 || rc=$?; echo $rc; }
[ "$(status 'Lumora]Lumora.jpg')" = 2 ] || fail "two fields were not refused with status 2"
[ "$(status "$(printf 'T%.0s' $(seq 1 300))]T.jpg]C:\\mailtest\\pp1A2.tmp]")" = 2 ] ||
    fail "an over-long argument string was not refused with status 2"
[ "$(status 'Lumora]Lumora.jpg]C:\mailtest\missing.tmp]')" = 3 ] || fail "a missing picture did not end with status 3"
[ "$(count_mail)" = "$before" ] || fail "a refused request saved a message"
echo "PASS: Posterly saves a MIME message with the picture attached ($eml)"
