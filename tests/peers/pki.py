#!/usr/bin/env python3
"""Makes the test PKI with the openssl command: a CA, a server certificate for 127.0.0.1,
ICP-Brasil-like client certificates (CN "NAME:CNPJ", otherName 2.16.76.1.3.3 carrying the
CNPJ, or 2.16.76.1.3.1 carrying a CPF), an expired one, one issued by an intermediate CA, and
PKCS#12 bundles of each.

    pki.py OUT_DIR [--password PW]

Files written in OUT_DIR (all PEM unless said):
  ca.crt ca.key                      test CA
  server.crt server.key              CN=127.0.0.1, SAN IP:127.0.0.1, DNS:localhost
  server-expired.crt .key            the same, validity ended in the past
  server-wronghost.crt .key          issued by the test CA for another host (DNS:outro.servico.invalido)
  server-selfsigned.crt .key         like server, but signed by itself
  client.crt client.key client.p12   CN=EMPRESA TESTE LTDA:12345678000195, SAN otherName CNPJ
  cpf.crt cpf.key cpf.p12            CN=FULANO DE TAL:12345678909, SAN otherName CPF data
  expired.crt expired.key expired.p12  like client, validity ended in the past
  other-ca.crt other-ca.key, rogue.crt rogue.key rogue.p12   a client signed by another CA
  inter-ca.crt inter-ca.key          intermediate CA under the test CA
  inter-client.crt inter-client.key inter-client.p12   a client issued by the intermediate; its
                                     PKCS#12 holds the intermediate and the test CA too
The PKCS#12 password is "1234" unless --password says otherwise. Runs in well under a
second on a second call: existing files are kept."""
import argparse
import fcntl
import os
import subprocess
import sys


def run(*args, cwd):
    subprocess.run(["openssl", *args], cwd=cwd, check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)


def ca(out, name, cn):
    if os.path.exists(os.path.join(out, name + ".crt")):
        return
    run("req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", name + ".key",
        "-out", name + ".crt", "-days", "3650", "-subj", f"/C=BR/O=Nembo Teste/CN={cn}",
        "-addext", "basicConstraints=critical,CA:TRUE",
        "-addext", "keyUsage=critical,keyCertSign,cRLSign", cwd=out)


def intermediate(out, name, cn, issuer="ca"):
    if os.path.exists(os.path.join(out, name + ".crt")):
        return
    extfile = os.path.join(out, name + ".ext")
    with open(extfile, "w") as f:
        f.write("basicConstraints=critical,CA:TRUE,pathlen:0\nkeyUsage=critical,keyCertSign,cRLSign\n")
    run("req", "-newkey", "rsa:2048", "-nodes", "-keyout", name + ".key", "-out", name + ".csr",
        "-subj", f"/C=BR/O=Nembo Teste/CN={cn}", cwd=out)
    run("x509", "-req", "-in", name + ".csr", "-CA", issuer + ".crt", "-CAkey", issuer + ".key",
        "-CAcreateserial", "-out", name + ".crt", "-days", "3650", "-sha256", "-extfile", extfile, cwd=out)


def leaf(out, name, subj, ext, issuer="ca", days="825", start=None, end=None, password="1234", chain=None):
    if os.path.exists(os.path.join(out, name + ".p12")):
        return
    extfile = os.path.join(out, name + ".ext")
    with open(extfile, "w") as f:
        f.write(ext)
    run("req", "-newkey", "rsa:2048", "-nodes", "-keyout", name + ".key", "-out", name + ".csr",
        "-subj", subj, cwd=out)
    if start:
        # "openssl ca" is the only command that takes explicit validity dates.
        db = os.path.join(out, name + ".db")
        open(db, "w").close()
        conf = os.path.join(out, name + ".cnf")
        with open(conf, "w") as f:
            f.write(f"""[ca]
default_ca = c
[c]
database = {db}
new_certs_dir = {out}
certificate = {issuer}.crt
private_key = {issuer}.key
default_md = sha256
policy = p
serial = {os.path.join(out, name + '.srl')}
copy_extensions = none
unique_subject = no
[p]
commonName = supplied
organizationName = optional
countryName = optional
""")
        with open(os.path.join(out, name + ".srl"), "w") as f:
            f.write("0A51\n")
        run("ca", "-batch", "-config", conf, "-in", name + ".csr", "-out", name + ".crt",
            "-startdate", start, "-enddate", end, "-extfile", extfile, "-notext", cwd=out)
    else:
        run("x509", "-req", "-in", name + ".csr", "-CA", issuer + ".crt", "-CAkey", issuer + ".key",
            "-CAcreateserial", "-out", name + ".crt", "-days", days, "-sha256",
            "-extfile", extfile, cwd=out)
    certfile = issuer + ".crt"
    if chain:
        # The issuers above the leaf, nearest first, as one PEM file.
        certfile = name + ".chain.crt"
        with open(os.path.join(out, certfile), "w") as f:
            for c in chain:
                with open(os.path.join(out, c + ".crt")) as part:
                    f.write(part.read())
    run("pkcs12", "-export", "-inkey", name + ".key", "-in", name + ".crt", "-certfile", certfile,
        "-name", name, "-out", name + ".p12", "-passout", "pass:" + password, cwd=out)


def selfsigned(out, name, cn, ext):
    if os.path.exists(os.path.join(out, name + ".crt")):
        return
    extfile = os.path.join(out, name + ".ext")
    with open(extfile, "w") as f:
        f.write("[x]\n" + ext)
    run("req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", name + ".key", "-out", name + ".crt",
        "-days", "825", "-subj", f"/C=BR/O=Nembo Teste/CN={cn}", "-config", extfile, "-extensions", "x",
        cwd=out)


SERVER_EXT = ("basicConstraints=CA:FALSE\nkeyUsage=critical,digitalSignature,keyEncipherment\n"
              "extendedKeyUsage=serverAuth\n")
CLIENT_EXT = ("basicConstraints=CA:FALSE\nkeyUsage=critical,digitalSignature,nonRepudiation,keyEncipherment\n"
              "extendedKeyUsage=clientAuth,emailProtection\n")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("out")
    ap.add_argument("--password", default="1234")
    a = ap.parse_args()
    out = os.path.abspath(a.out)
    os.makedirs(out, exist_ok=True)
    # Tests run in parallel: one of them makes the files, the others wait for it.
    lock = open(os.path.join(out, ".lock"), "w")
    fcntl.flock(lock, fcntl.LOCK_EX)
    ca(out, "ca", "Nembo Teste AC")
    ca(out, "other-ca", "Outra AC")
    leaf(out, "server", "/C=BR/O=Nembo Teste/CN=127.0.0.1",
         SERVER_EXT + "subjectAltName=IP:127.0.0.1,DNS:localhost\n", password=a.password)
    # Servers a client must refuse, or (expired) accept.
    leaf(out, "server-expired", "/C=BR/O=Nembo Teste/CN=127.0.0.1",
         SERVER_EXT + "subjectAltName=IP:127.0.0.1,DNS:localhost\n",
         start="20200101000000Z", end="20210101000000Z", password=a.password)
    leaf(out, "server-wronghost", "/C=BR/O=Nembo Teste/CN=outro.servico.invalido",
         SERVER_EXT + "subjectAltName=DNS:outro.servico.invalido\n", password=a.password)
    selfsigned(out, "server-selfsigned", "127.0.0.1",
               SERVER_EXT + "subjectAltName=IP:127.0.0.1,DNS:localhost\n")
    # otherName 2.16.76.1.3.3 holds the CNPJ as text; 2.16.76.1.3.1 holds birth date (8),
    # CPF (11), NIS (11), RG (15) and issuer (6).
    leaf(out, "client", "/C=BR/O=ICP-Brasil/CN=EMPRESA TESTE LTDA:12345678000195",
         CLIENT_EXT + "subjectAltName=otherName:2.16.76.1.3.3;PRINTABLESTRING:12345678000195,"
         "email:rh@empresa.teste\n", password=a.password)
    leaf(out, "cpf", "/C=BR/O=ICP-Brasil/CN=FULANO DE TAL:12345678909",
         CLIENT_EXT + "subjectAltName=otherName:2.16.76.1.3.1;PRINTABLESTRING:"
         "0101198012345678909000000000000000000000000000000SSPSP\n", password=a.password)
    leaf(out, "expired", "/C=BR/O=ICP-Brasil/CN=EMPRESA VENCIDA LTDA:11222333000181",
         CLIENT_EXT + "subjectAltName=otherName:2.16.76.1.3.3;PRINTABLESTRING:11222333000181\n",
         start="20200101000000Z", end="20210101000000Z", password=a.password)
    leaf(out, "rogue", "/C=BR/O=Outra/CN=INTRUSO LTDA:99888777000166",
         CLIENT_EXT, issuer="other-ca", password=a.password)
    intermediate(out, "inter-ca", "Nembo Teste AC Intermediaria")
    leaf(out, "inter-client", "/C=BR/O=ICP-Brasil/CN=EMPRESA FILIAL LTDA:11222333000181",
         CLIENT_EXT + "subjectAltName=otherName:2.16.76.1.3.3;PRINTABLESTRING:11222333000181\n",
         issuer="inter-ca", chain=["inter-ca", "ca"], password=a.password)
    if a.password == "1234":
        # Tells the test launcher that the whole default PKI is there.
        with open(os.path.join(out, ".complete"), "w") as f:
            f.write("done\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
