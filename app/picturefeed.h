// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>

class Canvas;
class ParameterFields;
class Photons;
class Playback;

// What the canvas shows, each in a layer of its own, bottom up: the runs as played, the photons' marks and
// tallies, and the holes covered or opened since the last run. The strokes flow one way: from Playback and Photons
// through here to the canvas, which draws them.
class PictureFeed : public QObject
{
public:
    enum Layer : size_t { runs, photonMarks, photonTallies, holeCovers, layerCount };

    PictureFeed(Canvas &canvas, const Playback &playback, Photons &photons, const ParameterFields &parameters);

    // Over the last run's drawing, the holes whose covers changed since, in their ring of now; nothing during a run.
    void showHoleCovers();
    // The hole of the last run's drawing at a point of the canvas's parent; 0 for none.
    int holeAt(QPoint position) const;
    // Single photons at the last run's bars, in the free strip left of them; or none any more.
    void firePhotons(bool on);

private:
    Canvas &m_canvas;
    const Playback &m_playback;
    Photons &m_photons;
    const ParameterFields &m_parameters;
};
