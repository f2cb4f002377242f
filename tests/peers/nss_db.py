#!/usr/bin/env python3
"""Makes a test NSS certificate database with certutil, pk12util and modutil, the way a
Linux desktop holds a user's certificates: two software keys (client.p12 and the expired
expired.p12 of the test PKI), the test CA, and a SoftHSM2 token registered as a PKCS#11
module that holds a third key (cpf.p12) behind a PIN.

    nss_db.py OUT_DIR PKI_DIR

Written in OUT_DIR:
  db/              the database; use it as NEMBO_NSS_DB=sql:OUT_DIR/db
  softhsm2.conf    SoftHSM2 configuration; export SOFTHSM2_CONF=OUT_DIR/softhsm2.conf
  tokens/          the token's files
The token is labelled "NemboToken", user PIN "4321", SO PIN "87654321"; the PKCS#12
password is "1234". A second call returns at once: an existing database is kept."""
import fcntl
import os
import subprocess
import sys

TOKEN = "NemboToken"
PIN = "4321"
SO_PIN = "87654321"
P12_PASSWORD = "1234"
SOFTHSM_LIB = "/usr/lib/softhsm/libsofthsm2.so"


def run(args, env, stdin=None):
    r = subprocess.run(args, env=env, input=stdin, stdout=subprocess.PIPE,
                       stderr=subprocess.STDOUT, text=True, timeout=60)
    if r.returncode != 0:
        raise SystemExit(f"{' '.join(args)} failed ({r.returncode}): {r.stdout}")


def main():
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    out = os.path.abspath(sys.argv[1])
    pki = os.path.abspath(sys.argv[2])
    os.makedirs(out, exist_ok=True)
    # Tests run in parallel: one of them makes the database, the others wait for it.
    lock = open(os.path.join(out, ".lock"), "w")
    fcntl.flock(lock, fcntl.LOCK_EX)
    done = os.path.join(out, ".done")
    if os.path.exists(done):
        return 0

    db = os.path.join(out, "db")
    tokens = os.path.join(out, "tokens")
    for d in (db, tokens):
        subprocess.run(["rm", "-rf", d], check=True)
        os.makedirs(d)
    conf = os.path.join(out, "softhsm2.conf")
    with open(conf, "w") as f:
        f.write(f"directories.tokendir = {tokens}\nobjectstore.backend = file\n"
                "log.level = ERROR\nslots.removable = false\n")
    env = dict(os.environ, SOFTHSM2_CONF=conf)
    location = "sql:" + db
    pinfile = os.path.join(out, "pin.txt")
    with open(pinfile, "w") as f:
        f.write(PIN + "\n")

    run(["certutil", "-N", "-d", location, "--empty-password"], env)
    for name in ("client", "expired"):
        run(["pk12util", "-i", os.path.join(pki, name + ".p12"), "-d", location, "-W", P12_PASSWORD], env)
    run(["certutil", "-A", "-d", location, "-n", "Nembo Teste AC", "-t", "CT,C,C",
         "-i", os.path.join(pki, "ca.crt")], env)
    run(["softhsm2-util", "--init-token", "--free", "--label", TOKEN, "--pin", PIN,
         "--so-pin", SO_PIN], env)
    run(["modutil", "-dbdir", location, "-add", "SoftHSM", "-libfile", SOFTHSM_LIB, "-force"], env, stdin="\n")
    run(["pk12util", "-i", os.path.join(pki, "cpf.p12"), "-d", location, "-h", TOKEN,
         "-W", P12_PASSWORD, "-k", pinfile], env)
    open(done, "w").close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
