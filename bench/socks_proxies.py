#!/usr/bin/env python3
"""SOCKS5 forwarding proxies for the throttling benchmark: one per source
address given, each on its own port of 127.0.0.1, each opening its onward
connections from its source address so the sandbox sees separate clients.
Prints one socks5:// address a line, then serves until killed."""
import asyncio
import socket
import struct
import sys


async def pipe(reader, writer):
    try:
        while data := await reader.read(65536):
            writer.write(data)
            await writer.drain()
    except (ConnectionError, asyncio.IncompleteReadError):
        pass
    finally:
        writer.close()


def handler(source):
    async def handle(reader, writer):
        try:
            _, methods = await reader.readexactly(2)
            await reader.readexactly(methods)
            writer.write(b"\x05\x00")
            _, _, _, kind = await reader.readexactly(4)
            if kind == 1:
                host = socket.inet_ntoa(await reader.readexactly(4))
            else:
                host = (await reader.readexactly((await reader.readexactly(1))[0])).decode()
            (port,) = struct.unpack("!H", await reader.readexactly(2))
            up_reader, up_writer = await asyncio.open_connection(host, port, local_addr=(source, 0))
        except (ConnectionError, asyncio.IncompleteReadError, OSError):
            writer.close()
            return
        writer.write(b"\x05\x00\x00\x01" + bytes(6))
        await asyncio.gather(pipe(reader, up_writer), pipe(up_reader, writer))

    return handle


async def main(sources):
    servers = [await asyncio.start_server(handler(s), "127.0.0.1", 0) for s in sources]
    for server in servers:
        print("socks5://127.0.0.1:%d" % server.sockets[0].getsockname()[1], flush=True)
    await asyncio.gather(*(s.serve_forever() for s in servers))


asyncio.run(main(sys.argv[1:]))
