// lighting.cpp -- the border darkness: white over the lit middle of the view, black at its edges
#include "lighting.h"

#include <cmath>

#include "noise.h"

// The view is lit like a torch beam in fog: a wide rounded middle at full light
// (the game subtracts nothing there), falling to black at the frame.
const float LIT_UNTIL = 0.78f;  // normalised distance where the fall-off starts
const float DARK_FROM = 1.04f;  // and where it is black
const float SQUARENESS = 4.0f;  // superellipse exponent: 2 is an ellipse, larger is boxier

Picture make_border_darkness()
{
    Picture p = make_picture(VIEW_W, VIEW_H, BLACK);
    for (int y = 0; y < VIEW_H; y++)
        for (int x = 0; x < VIEW_W; x++) {
            float u = std::fabs(x + 0.5f - VIEW_W / 2.0f) / (VIEW_W / 2.0f);
            float v = std::fabs(y + 0.5f - VIEW_H / 2.0f) / (VIEW_H / 2.0f);
            float d =
                std::pow(std::pow(u, SQUARENESS) + std::pow(v, SQUARENESS), 1.0f / SQUARENESS);
            float light = 1 - smoothstep(LIT_UNTIL, DARK_FROM, d);
            light = light * light * (1.5f - 0.5f * light);  // a little longer dusk before the black
            // A faint ordered grain keeps the gradient from banding.
            light =
                clamp01(light + (hash_unit(x, y, 77) - 0.5f) / 255.0f * (light > 0 && light < 1));
            at(p, x, y) = {light, light, light, 1};
        }
    return p;
}
