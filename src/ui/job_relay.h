// Carries a job's progress and end to the thread of the object it lives in (long_work.h). Queued
// signals copy their arguments inside Qt, so nothing the job's thread built is read on the other
// side.
#pragma once

#include <QObject>

namespace zv::ui {

class JobRelay : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    void progressed(int percent);
    void ended();
};

}  // namespace zv::ui
