#!/usr/bin/env bash
# Signs a Windows program in place with osslsigncode (Authenticode, SHA-256) when a code-signing
# certificate is given, and does nothing otherwise:
#   KOV_SIGN_PKCS12     the certificate with its private key, a PKCS#12 file (.pfx or .p12)
#   KOV_SIGN_PASSWORD   its password
#   KOV_SIGN_TIMESTAMP  the RFC 3161 timestamp server (http://timestamp.digicert.com unless
#                       set; empty for none)
# A timestamp keeps the signature valid once the certificate has expired. When the server does
# not answer, the file is signed without one, and the script says so.
# usage: sign.sh <file.exe> [<its name in messages>]
set -euo pipefail
file=$1
name=${2:-$(basename "$file")}
[ -n "${KOV_SIGN_PKCS12:-}" ] || exit 0
server=${KOV_SIGN_TIMESTAMP-http://timestamp.digicert.com}
signed=$file.signed
sign() {
    rm -f "$signed"
    timeout 30 osslsigncode sign -pkcs12 "$KOV_SIGN_PKCS12" \
        -readpass <(printf '%s' "${KOV_SIGN_PASSWORD:-}") -h sha256 "$@" \
        -in "$file" -out "$signed" >"$file.signing.log" 2>&1
}
if [ -n "$server" ] && sign -ts "$server"; then
    :
elif sign; then
    [ -z "$server" ] || echo "sign.sh: $name signed without a timestamp: $server did not answer"
else
    cat "$file.signing.log" >&2
    rm -f "$file.signing.log" "$signed"
    echo "sign.sh: could not sign $name" >&2
    exit 1
fi
rm -f "$file.signing.log"
mv "$signed" "$file"
