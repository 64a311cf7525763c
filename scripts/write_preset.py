# write_preset.py PLAIN FILE: writes the preset file FILE from the plain preset text in
# PLAIN, following docs/preset-format.md alone (the fuzz seeds were made with it).
import hashlib, sys
key = hashlib.md5(b"fxPK").hexdigest().encode()
def s8(b): return b - 256 if b > 127 else b
def scramble(p):
    out = bytearray(); total = 0; f = 0
    for i, b in enumerate(p):
        k = key[i % len(key)]
        if i > 0:
            total = (total + s8(p[i-1])) & 0xffffffff
            if i % 3 == 0: f = (s8(p[i-1]) * (f + 27)) & 0xffffffff
        t = ((k + i * total + f) & 0xffffffff) % 255
        out.append(b if t == b else b ^ t)
    return bytes(out)
plain = open(sys.argv[1], 'rb').read()
open(sys.argv[2], 'wb').write(scramble(plain.hex().encode()).hex().encode())
