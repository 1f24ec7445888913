#include "form1.h"

#include "form2.h"
#include "message_sink.h"
#include "multi_line_box.h"
#include "option_group.h"
#include "page_settings.h"
#include "page_style.h"
#include "port_status.h"
#include "profile.h"
#include "profile_menu.h"
#include "sensor_picture.h"
#include "serial_link.h"
#include "store_errors.h"
#include "twips.h"
#include "write_sequences.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

namespace {

// Check1's states as the store and the blocks number them: 0 clear, 1 ticked, 2 grayed.
constexpr std::array<Qt::CheckState, 3> kCheckStates = {Qt::Unchecked, Qt::Checked,
                                                       Qt::PartiallyChecked};

int CheckNumber(Qt::CheckState state)
{
    return int(std::find(kCheckStates.begin(), kCheckStates.end(), state) - kCheckStates.begin());
}

QString ProfileTitle()
{
    return QStringLiteral("配置文件");
}

}  // namespace

Form1::Form1(SerialLink &link, Store &store, MessageSink &messages, bool simulatedUnit)
    : m_link(link),
      m_store(store),
      m_messages(messages),
      m_widgets(BuildMainPage(*this)),
      m_writeView(*this, m_waitWindow, *m_widgets.command1),
      m_ports(new PortStatus(link, *m_widgets.comOptions, *m_widgets.portStatus, messages, simulatedUnit, *this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("  GSM车载防盗报警器设置软件 V1.0"));
    setWindowIcon(SensorPicture(32));
    setFont(PageFont());
    auto *menu = new ProfileMenu(this);
    layout()->setMenuBar(menu);
    setFixedSize(TwipsSize(*this, 9030, 7650) + QSize(0, menu->sizeHint().height()));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().topLeft());

    connect(m_widgets.comOptions, &QButtonGroup::idClicked, this,
            [this] { m_ports->report(selectPort()); });
    connect(menu, &ProfileMenu::importRequested, this, &Form1::importProfile);
    connect(menu, &ProfileMenu::exportRequested, this, &Form1::exportProfile);
    connect(m_widgets.command1, &QPushButton::clicked, this, &Form1::write);
    connect(m_widgets.command2, &QPushButton::clicked, this, &Form1::exitProgram);
    connect(m_widgets.command3, &QPushButton::clicked, this, &Form1::openSensorPage);
    load();
}

Form1::~Form1()
{
    delete m_sensorPage;
}

void Form1::load()
{
    // COM1 is the option selected in the page's design.
    SelectOnly(*m_widgets.comOptions, 1);
    QString portFailure = selectPort();
    m_store.ensureDirectory();
    const MainPageSettings settings = RestoreMainPage(m_store);
    showValues(settings.values);
    const QString restoreFailure = restoreComOptions(settings.comOptions);
    if (m_link.commPort() != 1)
        portFailure = restoreFailure;  // COM1's failure no longer matters
    ReportStoreErrors(m_store, m_messages,
                      QStringLiteral("读取设置时出现以下问题，相应的设置已使用默认值："));
    m_ports->report(portFailure);  // once the page shows
}

QString Form1::restoreComOptions(const std::array<bool, 4> &stored)
{
    QString failure;
    for (int k = 1; k <= 4; ++k) {
        const int before = SelectedId(*m_widgets.comOptions);
        const int after = RestoreOption(before, k, stored[k - 1]);
        if (after == before)
            continue;
        SelectOnly(*m_widgets.comOptions, after);
        if (after == k)
            failure = selectPort();
    }
    return failure;
}

QString Form1::selectPort()
{
    return m_ports->select(selectedCom());
}

MainPageValues Form1::values() const
{
    MainPageValues values;
    for (int n = 1; n < int(values.text.size()); ++n)
        if (const QLineEdit *box = m_widgets.textBoxes[n])
            values.text[n] = box->text();
    values.text[MainPageControls::kVibrationAlarmText] = m_widgets.text16->value();
    values.alarmMode = AlarmModeOfOption(SelectedId(*m_widgets.alarmModes));
    values.check1 = CheckNumber(m_widgets.check1->checkState());
    return values;
}

void Form1::showValues(const MainPageValues &values)
{
    for (int n = 1; n < int(values.text.size()); ++n)
        if (QLineEdit *box = m_widgets.textBoxes[n])
            box->setText(values.text[n]);
    m_widgets.text16->setValue(values.text[MainPageControls::kVibrationAlarmText]);
    SelectOnly(*m_widgets.alarmModes, AlarmModeOption(values.alarmMode));
    m_widgets.check1->setCheckState(kCheckStates[values.check1]);
}

int Form1::selectedCom() const
{
    return SelectedId(*m_widgets.comOptions);
}

Form2 *Form1::sensorPage() const
{
    return m_sensorPage;
}

void Form1::write()
{
    m_closeHold.runWrite([this] {
        m_ports->runWrite([this] {
            WriteMainPage(values(), m_link.port(), m_store, m_messages, m_writeView);
            ReportStoreErrors(m_store, m_messages, QStringLiteral("保存设置时出现以下问题："));
        });
    });
}

bool Form1::importProfile(const QString &path)
{
    const ProfileParse parse = ReadProfileFile(path);
    if (!parse.profile) {
        m_messages.showError(ProfileTitle(), QStringLiteral("配置文件有误，没有导入任何设置：\n")
                                                 + parse.problems.join(u'\n'));
        return false;
    }
    MainPageValues shown = parse.profile->main;
    if (!parse.profile->hasPassword)
        shown.text[MainPageControls::kRewritePassword] = values().text[MainPageControls::kRewritePassword];
    showValues(shown);
    StoreProfile(m_store, *parse.profile);
    ReportStoreErrors(m_store, m_messages, QStringLiteral("保存设置时出现以下问题："));
    return true;
}

bool Form1::exportProfile(const QString &path, bool includePassword)
{
    const Profile profile{values(), RestoreSensorPage(m_store), includePassword};
    ReportStoreErrors(m_store, m_messages, QStringLiteral("读取设置时出现以下问题，相应的设置已使用默认值："));
    const QString error = WriteProfileFile(path, ProfileToJson(profile, includePassword), includePassword);
    if (!error.isEmpty())
        m_messages.showError(ProfileTitle(), QStringLiteral("无法保存配置文件 %1：%2").arg(path, error));
    return error.isEmpty();
}

void Form1::openSensorPage()
{
    if (!m_sensorPage) {
        m_sensorPage = new Form2(m_store, m_messages, m_link.port(), *m_ports, m_waitWindow, m_closeHold, *this);
        connect(m_sensorPage, &Form2::returnRequested, this, &Form1::returnFromSensorPage);
        connect(m_sensorPage, &Form2::exitRequested, this, &Form1::exitProgram);
    }
    m_sensorPage->move(pos() + TwipsOffset(*this, 100, 100));
    m_sensorPage->show();
    hide();
}

void Form1::returnFromSensorPage()
{
    m_sensorPage.clear();  // it destroys itself once back in the event loop
    show();
}

void Form1::exitProgram()
{
    m_link.close();
    StoreComOptions(m_store, selectedCom());
    ReportStoreErrors(m_store, m_messages, QStringLiteral("保存串口设置时出现以下问题："));
    Q_EMIT quitRequested();
}

void Form1::closeEvent(QCloseEvent *event)
{
    if (m_closeHold.holds(*this, *event))
        return;
    m_link.close();
    event->accept();
    Q_EMIT quitRequested();
}
