#!/usr/bin/env bash
# Makes, once, the certificates that serve the maker's site over TLS on this machine only:
#   tools/make-test-certs.sh DIR HOST
# DIR/authority.der is the local test authority (a program trusts it only where it is added to
# its own store, see tests/win/trust_authority.cpp); each DIR/<case>.pem holds a certificate and
# its key for the TLS proxy (tools/site_proxy.py):
#   trusted      HOST, from the test authority
#   other-host   another host name, from the test authority
#   expired      HOST, from the test authority, valid only in 2000
#   unknown      HOST, from an authority that nobody trusts
# Nothing is made again while DIR/done exists.
set -euo pipefail
dir=$1
host=$2
[ -f "$dir/done" ] && [ "$(cat "$dir/done")" = "$host" ] && exit 0
mkdir -p "$dir"
cd "$dir"
rm -rf work && mkdir work

authority() {  # name, common name
  openssl req -x509 -newkey rsa:2048 -nodes -sha256 -days 3650 -subj "/CN=$2" \
    -addext basicConstraints=critical,CA:TRUE -addext keyUsage=critical,keyCertSign,cRLSign \
    -keyout "work/$1.key" -out "work/$1.crt" 2>/dev/null
}
authority authority "Blenker test authority"
authority stranger "Blenker unknown authority"
openssl x509 -in work/authority.crt -outform DER -out authority.der
openssl req -newkey rsa:2048 -nodes -subj "/CN=site" -keyout work/leaf.key -out work/leaf.csr 2>/dev/null

cat >work/ca.cnf <<CNF
[ca]
default_ca = test
[test]
database = work/index.txt
serial = work/serial
new_certs_dir = work
default_md = sha256
policy = any
[any]
commonName = supplied
CNF

leaf() {  # case, signing authority, host name, openssl ca's dates
  local name=$1 signer=$2 dns=$3
  shift 3
  : >work/index.txt
  openssl rand -hex 8 >work/serial
  printf 'basicConstraints=CA:FALSE\nkeyUsage=digitalSignature,keyEncipherment\nextendedKeyUsage=serverAuth\nsubjectAltName=DNS:%s\n' \
    "$dns" >"work/$name.ext"
  openssl ca -batch -config work/ca.cnf -notext -subj "/CN=$dns" "$@" \
    -cert "work/$signer.crt" -keyfile "work/$signer.key" -extfile "work/$name.ext" \
    -in work/leaf.csr -out "work/$name.crt" 2>/dev/null
  cat "work/$name.crt" work/leaf.key >"$name.pem"
}
leaf trusted authority "$host" -days 3650
leaf other-host authority "www.other.example" -days 3650
leaf expired authority "$host" -startdate 20000101000000Z -enddate 20001231000000Z
leaf unknown stranger "$host" -days 3650
rm -rf work
echo "$host" >done
