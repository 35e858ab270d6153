#!/usr/bin/env bash
# Signs Windows programs and MSI packages in place with osslsigncode (Authenticode, SHA-256):
#   sign.sh <file>...
# The certificate comes from the environment:
#   QUORVEX_SIGN_CERT      a PKCS#12 file (.pfx, .p12), or a PEM certificate chain
#   QUORVEX_SIGN_KEY       the PEM private key, when QUORVEX_SIGN_CERT is PEM
#   QUORVEX_SIGN_PASSWORD  the PKCS#12 file's or the key's password, if it has one
#   QUORVEX_SIGN_TIMESTAMP a time-stamping service's URL (RFC 3161), if any
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: sign.sh <file>..." >&2; exit 2; }
[ -n "${QUORVEX_SIGN_CERT:-}" ] || { echo "sign: QUORVEX_SIGN_CERT names no certificate" >&2; exit 2; }
[ -f "$QUORVEX_SIGN_CERT" ] || { echo "sign: $QUORVEX_SIGN_CERT is missing" >&2; exit 2; }
command -v osslsigncode >/dev/null ||
    { echo "sign: osslsigncode is not installed (bash scripts/deps.sh)" >&2; exit 2; }
credentials=()
case $QUORVEX_SIGN_CERT in
    *.pfx | *.p12) credentials=(-pkcs12 "$QUORVEX_SIGN_CERT") ;;
    *)
        [ -n "${QUORVEX_SIGN_KEY:-}" ] ||
            { echo "sign: a PEM certificate needs QUORVEX_SIGN_KEY" >&2; exit 2; }
        credentials=(-certs "$QUORVEX_SIGN_CERT" -key "$QUORVEX_SIGN_KEY") ;;
esac
[ -z "${QUORVEX_SIGN_PASSWORD:-}" ] || credentials+=(-pass "$QUORVEX_SIGN_PASSWORD")
[ -z "${QUORVEX_SIGN_TIMESTAMP:-}" ] || credentials+=(-ts "$QUORVEX_SIGN_TIMESTAMP")
for file in "$@"; do
    rm -f "$file.signed"
    osslsigncode sign "${credentials[@]}" -h sha256 -n Quorvex \
        -i https://github.com/quorvex/quorvex -in "$file" -out "$file.signed" >/dev/null ||
        { rm -f "$file.signed"; echo "sign: could not sign $file" >&2; exit 1; }
    mv -f "$file.signed" "$file"
done
