#!/usr/bin/env python3
"""Reads one pixel of the root window of $DISPLAY every INTERVAL_MS for SECONDS and prints
"ms r g b" lines (ms since the start). A screenshot takes far longer than a fade's step;
a 1 x 1 XGetImage takes about a millisecond.
    pixel_trace.py X Y SECONDS INTERVAL_MS
It prints "ready" first, once the display is open, so a caller knows when readings begin."""
import ctypes
import sys
import time

ZPIXMAP = 2
ALL_PLANES = ctypes.c_ulong(-1).value


class XImageFuncs(ctypes.Structure):
    _fields_ = [("create_image", ctypes.c_void_p),
                ("destroy_image", ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p)),
                ("get_pixel", ctypes.CFUNCTYPE(ctypes.c_ulong, ctypes.c_void_p, ctypes.c_int, ctypes.c_int)),
                ("put_pixel", ctypes.c_void_p), ("sub_image", ctypes.c_void_p), ("add_pixel", ctypes.c_void_p)]


class XImage(ctypes.Structure):
    # XGetPixel and XDestroyImage are macros over the image's own functions.
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int),
                ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int), ("red_mask", ctypes.c_ulong),
                ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong), ("obdata", ctypes.c_void_p),
                ("f", XImageFuncs)]


def channel(pixel, mask):
    if not mask:
        return 0
    shift = (mask & -mask).bit_length() - 1
    top = mask >> shift
    return ((pixel & mask) >> shift) * 255 // top


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
    x11.XGetImage.restype = ctypes.POINTER(XImage)
    x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                              ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit("pixel_trace: cannot open the display")
    root = x11.XDefaultRootWindow(display)
    print("ready", flush=True)
    start = time.monotonic()
    due = start
    while True:
        now = time.monotonic()
        if now - start > seconds:
            break
        image = x11.XGetImage(display, root, x, y, 1, 1, ALL_PLANES, ZPIXMAP)
        if not image:
            sys.exit("pixel_trace: XGetImage failed")
        img = image.contents
        pixel = img.f.get_pixel(image, 0, 0)
        r, g, b = (channel(pixel, m) for m in (img.red_mask, img.green_mask, img.blue_mask))
        img.f.destroy_image(image)
        print("%d %d %d %d" % ((now - start) * 1000, r, g, b), flush=True)
        due += interval
        delay = due - time.monotonic()
        if delay > 0:
            time.sleep(delay)
        else:
            due = time.monotonic()  # late (a loaded machine): the next reading comes a full interval on
    x11.XCloseDisplay(ctypes.c_void_p(display))


if __name__ == "__main__":
    main()
