// Symbol export for libkxsupport.so.
//
// The library is built with hidden visibility; only what carries
// KXSUPPORT_API is part of its binary interface.
#pragma once

#define KXSUPPORT_API __attribute__((visibility("default")))
