# A mail server for the tests: aiosmtpd on 127.0.0.1 at a free port. Each message it accepts is
# saved as <n>.eml in FOLDER, with the envelope's recipients in a first "X-Test-Rcpt:" line.
#
# Arguments: FOLDER USER PASSWORD MODE REFUSED DROPPED
#   MODE     plain | starttls (STARTTLS required before AUTH and MAIL) | tls (TLS from the start)
#   REFUSED  comma-separated recipients answered "550" at RCPT
#   DROPPED  comma-separated recipients whose message's DATA ends in a closed connection
# Prints the port, then the certificate file ("-" for plain), and runs until killed.
import asyncio, datetime, ipaddress, os, socket, ssl, sys, tempfile, time
from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult, LoginPassword

folder, user, password, mode = sys.argv[1:5]
refused = set(filter(None, sys.argv[5].split(',')))
dropped = set(filter(None, sys.argv[6].split(',')))


def self_signed():
    from cryptography import x509
    from cryptography.hazmat.primitives import hashes, serialization
    from cryptography.hazmat.primitives.asymmetric import rsa
    from cryptography.x509.oid import NameOID
    key = rsa.generate_private_key(public_exponent=65537, key_size=2048)
    name = x509.Name([x509.NameAttribute(NameOID.COMMON_NAME, '127.0.0.1')])
    now = datetime.datetime.utcnow()
    cert = (x509.CertificateBuilder().subject_name(name).issuer_name(name).public_key(key.public_key())
            .serial_number(x509.random_serial_number()).not_valid_before(now - datetime.timedelta(hours=1))
            .not_valid_after(now + datetime.timedelta(days=1))
            .add_extension(x509.SubjectAlternativeName([x509.IPAddress(ipaddress.ip_address('127.0.0.1')),
                                                        x509.DNSName('localhost')]), critical=False)
            .add_extension(x509.BasicConstraints(ca=True, path_length=None), critical=True)
            .sign(key, hashes.SHA256()))
    where = tempfile.mkdtemp()
    cert_file, key_file = os.path.join(where, 'cert.pem'), os.path.join(where, 'key.pem')
    with open(cert_file, 'wb') as f:
        f.write(cert.public_bytes(serialization.Encoding.PEM))
    with open(key_file, 'wb') as f:
        f.write(key.private_bytes(serialization.Encoding.PEM, serialization.PrivateFormat.TraditionalOpenSSL,
                                  serialization.NoEncryption()))
    context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    context.load_cert_chain(cert_file, key_file)
    return context, cert_file


class Handler:
    count = 0

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address in refused:
            return '550 5.1.1 <%s>: Recipient address rejected: User unknown' % address
        envelope.rcpt_tos.append(address)
        return '250 OK'

    async def handle_DATA(self, server, session, envelope):
        if dropped.intersection(envelope.rcpt_tos):
            server.transport.close()
            return '421 closing'
        Handler.count += 1
        with open(os.path.join(folder, '%d.eml' % Handler.count), 'wb') as f:
            f.write(b'X-Test-Rcpt: ' + ','.join(envelope.rcpt_tos).encode() + b'\r\n' + envelope.original_content)
        return '250 Message accepted for delivery'


def authenticate(server, session, envelope, mechanism, auth_data):
    ok = isinstance(auth_data, LoginPassword) and auth_data.login == user.encode() and auth_data.password == password.encode()
    # handled=False: the server itself answers 535 to a refused login.
    return AuthResult(success=ok, handled=False)


def free_port():
    with socket.socket() as s:
        s.bind(('127.0.0.1', 0))
        return s.getsockname()[1]


cert_file = '-'
kwargs = dict(authenticator=authenticate, auth_required=bool(user), auth_require_tls=False)
if mode in ('starttls', 'tls'):
    context, cert_file = self_signed()
    if mode == 'starttls':
        kwargs.update(tls_context=context, require_starttls=True, auth_require_tls=True)
    else:
        kwargs.update(ssl_context=context)
controller = Controller(Handler(), hostname='127.0.0.1', port=free_port(), **kwargs)
controller.start()
print(controller.port, flush=True)
print(cert_file, flush=True)
while True:
    time.sleep(3600)
