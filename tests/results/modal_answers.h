#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <set>
#include <vector>

namespace vorlant::test {

// Answers the modal windows that open, one after another, each with the next action.
class ModalAnswers
{
public:
    using Action = std::function<void(QWidget &)>;

    explicit ModalAnswers(std::vector<Action> actions) : actions_(std::move(actions))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || answered_.count(modal) || next_ >= actions_.size())
                return;
            answered_.insert(modal);
            QObject::connect(modal, &QObject::destroyed, &timer_,
                             [this, modal] { answered_.erase(modal); });
            actions_[next_++](*modal);
        });
        timer_.start(5);
    }
    // Whether every action has run.
    bool AllAnswered() const { return next_ == actions_.size(); }

private:
    std::vector<Action> actions_;
    std::size_t next_ = 0;
    std::set<QWidget *> answered_;
    QTimer timer_;
};

} // namespace vorlant::test
