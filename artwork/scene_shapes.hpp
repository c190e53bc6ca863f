// Small figures for the pictures on the card backs: polygons, circles, smooth outlines, rays, mountains, trees, boats and flowers.
#pragma once

#include <initializer_list>
#include <optional>
#include <vector>

#include "artwork/canvas.hpp"

namespace quilloro::artwork {

Path poly(std::initializer_list<Point> points);
Path circle(double x, double y, double r);
Path ellipse(double x, double y, double rx, double ry);
// A smooth closed outline through the points.
Path blob(const std::vector<Point>& pts);
void rays(Canvas& c, double x, double y, double inner, double outer, int count, Rgb colour, double width);
// A range of peaks down to the base line, snow on every peak when a snow colour is given.
void mountainRange(Canvas& c, std::initializer_list<Point> peaks, double base, Rgb rock, std::optional<Rgb> snow);
void tree(Canvas& c, double x, double y, double h, Rgb leaves);
void sailboat(Canvas& c, double x, double y, double s);
void daisy(Canvas& c, double x, double y, double r, Rgb petal, Rgb heart);
void rose(Canvas& c, double x, double y, double r);
void leaf(Canvas& c, double x, double y, double length, double angle, Rgb colour);
void fleurDeLis(Canvas& c, double x, double y, double s, Rgb gold);

}  // namespace quilloro::artwork
