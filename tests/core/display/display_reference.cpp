// SPDX-License-Identifier: GPL-3.0-or-later
#include "display_reference.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace kasumori::display::reference {

namespace {

long long Rnd(double x) { return static_cast<long long>(std::trunc(x + 0.5)); }

int Ceil(int a, int b) { return a / b + (a % b > 0 ? 1 : 0); }

struct Point {
  long long x, y;
};

// A coordinate computed as size − position − 1.
std::optional<long long> Reversed(long long value, long long b, bool tolerance) {
  if (value >= 0) return value;
  if (tolerance && value >= -b) return 0;
  return std::nullopt;
}

// A coordinate that is the position itself.
std::optional<long long> Position(long long value, long long size, long long b, bool tolerance) {
  if (value < size) return value;
  if (tolerance && value <= size - 1 + b) return size - 1;
  return std::nullopt;
}

// The rotation table in a frame of rotated size rw × rh.
std::optional<Point> Map(long long X, long long Y, int rotation, long long rw, long long rh,
                         long long b, bool tolerance) {
  std::optional<long long> sx, sy;
  switch (rotation) {
    case 0:
      sx = Position(X, rw, b, tolerance);
      sy = Position(Y, rh, b, tolerance);
      break;
    case 1:
      sx = Position(Y, rh, b, tolerance);
      sy = Reversed(rw - X - 1, b, tolerance);
      break;
    case 2:
      sx = Reversed(rw - X - 1, b, tolerance);
      sy = Reversed(rh - Y - 1, b, tolerance);
      break;
    default:
      sx = Reversed(rh - Y - 1, b, tolerance);
      sy = Position(X, rw, b, tolerance);
      break;
  }
  if (!sx || !sy) return std::nullopt;
  return Point{*sx, *sy};
}

void SetIfInside(TestPicture& out, long long x, long long y, TestColour c) {
  if (x >= 0 && y >= 0 && x < out.Width() && y < out.Height()) out.Set(int(x), int(y), c);
}

}  // namespace

TestColour Tone(TestColour c, bool full, int effect, int brightness, int contrast) {
  long long B = brightness, C = contrast;
  bool scale = contrast != 256;
  if (full && effect == 1) {
    B = brightness - 12;
    C = std::min<long long>(contrast + 24, 1024);
  }
  if (full) scale = C != 256;
  long long ch[3] = {c.r, c.g, c.b};
  if (scale) {
    const double u = 256.0 / double(C);
    const long long v = Rnd(double(256 - C) / 2.0);
    for (auto& x : ch) x = Rnd(double(x) / u) + v;
  }
  for (auto& x : ch) x += B;
  // red, green, blue in turn give their excess to the other two
  for (int i = 0; i < 3; ++i) {
    if (ch[i] > 255) {
      const long long excess = ch[i] - 255;
      for (int j = 0; j < 3; ++j) {
        if (j == i) continue;
        ch[j] -= excess;
        if (ch[j] > 255) ch[j] = 255;
      }
      ch[i] = 255;
    }
  }
  for (auto& x : ch) x = std::max(x, 0LL);
  if (full && effect == 2) {
    const long long I = (ch[0] + ch[1] + ch[2]) / 3;
    ch[0] = I;
    ch[1] = I - I / 4;
    ch[2] = I / 2;
  } else if (full && effect == 3) {
    const long long I = (ch[0] + ch[1] + ch[2]) / 3;
    ch[0] = ch[1] = ch[2] = I;
  }
  return {std::uint8_t(ch[0]), std::uint8_t(ch[1]), std::uint8_t(ch[2])};
}

Composed ComposeArea(const TestPicture& source, const Compose& c, TestPicture& out) {
  const int W = c.width, H = c.height;
  const bool turned = c.rotation == 1 || c.rotation == -1;
  const int RW = turned ? source.Height() : source.Width();
  const int RH = turned ? source.Width() : source.Height();
  const int nW = Ceil(RW, W), nH = Ceil(RH, H);
  int n = nW;
  double f;
  long long g = 0, h = 0, cX = 0, cY = 0;
  const bool buffered = !c.fast || c.rotation != 0;
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) out.Set(x, y, {77, 77, 77});  // anything not written shows
  if (!buffered)
    for (int y = 0; y < H; ++y)
      for (int x = 0; x < W; ++x) out.Set(x, y, {0, 0, 0});
  auto fillTop = [&] {
    if (buffered)
      for (int y = 0; y < h && y < H; ++y)
        for (int x = 0; x < W; ++x) out.Set(x, y, {0, 0, 0});
  };
  auto fillLeft = [&] {
    if (buffered)
      for (int y = 0; y < H; ++y)
        for (int x = 0; x < g && x < W; ++x) out.Set(x, y, {0, 0, 0});
  };
  const double rh = double(RH) / H, rw = double(RW) / W;
  if (!c.wide) {
    if (rh > rw) {
      n = nH;
      f = std::max(rh, 1.0);
    } else {
      f = std::max(rw, 1.0);
    }
    g = (W - Rnd(RW / f)) / 2;
    if (g > 0) fillLeft();
    h = (H - Rnd(RH / f)) / 2;
    if (h > 0) fillTop();
  } else {
    if (rh >= rw) {
      f = std::max(rw, 1.0);
    } else {
      n = nH;
      f = std::max(rh, 1.0);
    }
    h = (H - Rnd(RH / f)) / 2;
    if (h > 0) fillTop();
    if (h < 0) {
      cY = (RH - Rnd(H * f)) / 2;
      h = 0;
    }
    g = (W - Rnd(RW / f)) / 2;
    if (g > 0) fillLeft();
    if (g < 0) {
      cX = (RW - Rnd(W * f)) / 2;
      g = 0;
    }
  }
  const bool adjusted = c.brightness != 0 || c.contrast != 256;
  if (c.fast && c.rotation == 0) {
    const long long rectW = W - 2 * g, rectH = H - 2 * h;
    for (long long j = 0; j < rectH; ++j)
      for (long long i = 0; i < rectW; ++i) {
        TestColour p = source.At(int(i * source.Width() / rectW), int(j * source.Height() / rectH));
        if (adjusted && !(p.r == 0 && p.g == 0 && p.b == 0))
          p = Tone(p, false, 0, c.brightness, c.contrast);
        SetIfInside(out, i + g, j + h, p);
      }
    return {f, int(g), int(h)};
  }
  if (c.fast) {
    for (int m = 0; m < H; ++m)
      for (int t = 0; t < W; ++t) {
        const auto s = Map(Rnd(t * f) + cX, Rnd(m * f) + cY, c.rotation, RW, RH, 0, false);
        TestColour p{0, 0, 0};
        if (s) {
          p = source.At(int(s->x), int(s->y));
          if (adjusted && !(p.r == 0 && p.g == 0 && p.b == 0))
            p = Tone(p, false, 0, c.brightness, c.contrast);
        }
        SetIfInside(out, t + g, m + h, p);
      }
    return {f, int(g), int(h)};
  }
  const bool doubled = f > 1 && f < 2;
  const double step = doubled ? 2 * f : f;
  const int boxes = doubled ? int(std::ceil(2 * f)) : n;
  const long long sizeW = doubled ? 2LL * RW : RW, sizeH = doubled ? 2LL * RH : RH;
  for (int m = 0; m < H; ++m)
    for (int t = 0; t < W; ++t) {
      const long long X = Rnd(t * step) + (doubled ? 2 * cX : cX);
      const long long Y = Rnd(m * step) + (doubled ? 2 * cY : cY);
      unsigned long long sum[3] = {0, 0, 0}, count = 0;
      for (int j = 0; j < boxes; ++j)
        for (int i = 0; i < boxes; ++i) {
          const auto s = Map(X + i, Y + j, c.rotation, sizeW, sizeH, boxes - 1, true);
          if (!s) continue;
          const TestColour p =
              doubled ? source.At(int(s->x / 2), int(s->y / 2)) : source.At(int(s->x), int(s->y));
          sum[0] += p.r;
          sum[1] += p.g;
          sum[2] += p.b;
          ++count;
        }
      TestColour p{0, 0, 0};
      if (adjusted || c.effect != 0) {
        if (sum[0] + sum[1] + sum[2] != 0)
          p = Tone({std::uint8_t(sum[0] / count), std::uint8_t(sum[1] / count),
                    std::uint8_t(sum[2] / count)},
                   true, c.effect, c.brightness, c.contrast);
      } else if (count > 0) {
        p = {std::uint8_t(sum[0] / count), std::uint8_t(sum[1] / count),
             std::uint8_t(sum[2] / count)};
      }
      SetIfInside(out, t + g, m + h, p);
    }
  return {f, int(g), int(h)};
}

void Sharpen(TestPicture& picture, int s) {
  if (s <= 0) return;
  const int W = picture.Width(), H = picture.Height();
  const TestPicture scratch = picture;
  TestPicture mask(W, H), darken(W, H);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      const TestColour p = scratch.At(x, y);
      int D = INT32_MIN;
      const int dx[4] = {0, 1, 0, -1}, dy[4] = {-1, 0, 1, 0};
      for (int k = 0; k < 4; ++k) {
        const int nx = x + dx[k], ny = y + dy[k];
        if (nx < 0 || ny < 0 || nx >= W || ny >= H) continue;
        const TestColour q = scratch.At(nx, ny);
        D = std::max({D, q.r - p.r, q.g - p.g, q.b - p.b});
      }
      if (D <= 0) {
        mask.Set(x, y, {255, 255, 255});
        darken.Set(x, y, {0, 0, 0});
        continue;
      }
      int f;
      switch (s) {
        case 4:
          f = 2 * D;
          break;
        case 6:
          f = D + D / 2;
          break;
        case 8:
          f = D;
          break;
        case 10:
          f = D - D / 3;
          break;
        case 16:
          f = D / 6;
          break;
        default:
          f = D / 3;
          break;
      }
      const int k = f + 4;
      int ch[3] = {p.r - k, p.g - k, p.b - k};
      const int low = std::min({ch[0], ch[1], ch[2]});
      if (low < 0)
        for (int& v : ch) v -= low;
      mask.Set(x, y, {0, 0, 0});
      darken.Set(x, y, {std::uint8_t(ch[0]), std::uint8_t(ch[1]), std::uint8_t(ch[2])});
    }
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      const TestColour p = picture.At(x, y), mk = mask.At(x, y), dk = darken.At(x, y);
      picture.Set(x, y,
                  {std::uint8_t((p.r & mk.r) | dk.r), std::uint8_t((p.g & mk.g) | dk.g),
                   std::uint8_t((p.b & mk.b) | dk.b)});
    }
}

std::array<std::uint64_t, 128> Histogram(const TestPicture& picture, int left, int top) {
  std::array<std::uint64_t, 128> counts{};
  for (int y = top; y <= picture.Height() - top - 1; ++y)
    for (int x = left; x <= picture.Width() - left - 1; ++x) {
      const TestColour p = picture.At(x, y);
      ++counts[std::size_t((p.r + p.g + p.b) / 6)];
    }
  return counts;
}

}  // namespace kasumori::display::reference
