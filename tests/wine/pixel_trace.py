#!/usr/bin/env python3
"""Reads one pixel of the root window of $DISPLAY (a 24-bit TrueColor screen, as the Wine
sessions make) every INTERVAL_MS for SECONDS and prints "ms r g b" lines, ms since the start.
A screenshot takes far longer than a fade's step; a 1 x 1 XGetImage about a millisecond.
    pixel_trace.py X Y SECONDS INTERVAL_MS
It prints "ready" first, once the display is open, so that a caller knows readings begin."""
import ctypes
import sys
import time

ZPIXMAP = 2


def main():
    if len(sys.argv) != 5:
        sys.exit("usage: pixel_trace.py X Y SECONDS INTERVAL_MS")
    x, y = int(sys.argv[1]), int(sys.argv[2])
    seconds, interval = float(sys.argv[3]), int(sys.argv[4]) / 1000.0
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XGetImage.restype = ctypes.c_void_p
    x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                              ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    x11.XGetPixel.restype = ctypes.c_ulong
    x11.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
    x11.XDestroyImage.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit("pixel_trace: cannot open the display")
    root = x11.XDefaultRootWindow(display)
    print("ready", flush=True)
    start = due = time.monotonic()
    while time.monotonic() - start <= seconds:
        now = time.monotonic()
        image = x11.XGetImage(display, root, x, y, 1, 1, ctypes.c_ulong(-1).value, ZPIXMAP)
        if not image:
            sys.exit("pixel_trace: XGetImage failed")
        pixel = x11.XGetPixel(image, 0, 0)
        x11.XDestroyImage(image)
        print("%d %d %d %d" % ((now - start) * 1000, pixel >> 16 & 255, pixel >> 8 & 255, pixel & 255), flush=True)
        due += interval
        delay = due - time.monotonic()
        if delay > 0:
            time.sleep(delay)
        else:
            due = time.monotonic()  # late on a loaded machine: the next reading a full interval on


if __name__ == "__main__":
    main()
