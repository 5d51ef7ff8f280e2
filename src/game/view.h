// view.h -- compositing the game view onto the display: health zoom, border darkness, hurt tint
#pragma once

void composite_view();
