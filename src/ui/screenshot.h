// screenshot.h -- saving the overlay's snapshot as the next numbered PNG file
#pragma once

const char SCREENSHOT_NAME_FORMAT[] = "screenshot%d.png";
const int SCREENSHOT_NAME_SIZE = 64;
const char SCREENSHOT_COMMENT_KEY[] = "Comment";
const char SCREENSHOT_COMMENT[] = "Created with LodePNG";
const unsigned SCREENSHOT_WINDOW_SIZE = 2048;  // LZ77 window of the encoder, bytes

// Both tell the player how it went with a notice.
bool save_screenshot();
bool write_png_screenshot(const char *file_name);
