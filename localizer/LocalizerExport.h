#pragma once

/// Marks the one class that the language library exports; everything else stays hidden.
#define LOCALIZER_API __attribute__((visibility("default")))
