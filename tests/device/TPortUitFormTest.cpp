// The port picker: layout by the presence of "DeviceInfo.ini", ports per model,
// clearing, and the 64 boxes bound to a port list (box k = bit k = port k + 1).
#include "binding/QxSNMPRequest2Edits.h"
#include "device/StackPort.h"
#include "device/TPortUitForm.h"
#include "snmp/QxSNMPException.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Runs the test in an empty folder of its own, with or without the layout file.
class PickerFolder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_previous = QDir::currentPath();
        ASSERT_TRUE(m_folder.isValid());
        ASSERT_TRUE(QDir::setCurrent(m_folder.path()));
    }
    void TearDown() override { QDir::setCurrent(m_previous); }

    void writeLayoutFile()
    {
        QFile file(m_folder.filePath(QString::fromLatin1(TPortUitForm::LayoutFile)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[anything]\n");
    }

    // Number of visible boxes on each row (by their top), rows from the top.
    static QList<int> rowsOfVisibleBoxes(const TPortUitForm &picker)
    {
        QMap<int, int> rows;
        for (QCheckBox *box : picker.checkBoxes())
            if (!box->isHidden())
                ++rows[box->geometry().top()];
        return rows.values();
    }

    QTemporaryDir m_folder;
    QString m_previous;
};

TEST_F(PickerFolder, TwelveColumnsWithoutTheLayoutFile)
{
    QWidget host;
    TPortUitForm *picker = TPortUitForm::createUnit1(&host);
    ASSERT_EQ(picker->checkBoxes().size(), 64);
    EXPECT_EQ(rowsOfVisibleBoxes(*picker), (QList<int>{12, 12, 4}));
    const QList<QCheckBox *> &boxes = picker->checkBoxes();
    // Twelve columns 40 pixels apart from 20, rows one box height apart from 4.
    EXPECT_EQ(boxes.at(0)->geometry().left(), 20);
    EXPECT_EQ(boxes.at(1)->geometry().left(), 60);
    EXPECT_EQ(boxes.at(11)->geometry().left(), 460);
    EXPECT_EQ(boxes.at(12)->geometry().left(), 20);
    EXPECT_EQ(boxes.at(0)->geometry().top(), 4);
    EXPECT_EQ(boxes.at(12)->geometry().top(), 4 + boxes.at(0)->height());
    // Width: characters of the caption times 8 plus 24.
    EXPECT_EQ(boxes.at(0)->width(), 32);
    EXPECT_EQ(boxes.at(9)->width(), 40);
    for (int k = 0; k < 64; ++k) {
        EXPECT_EQ(boxes.at(k)->text(), QString::number(k + 1));
        EXPECT_EQ(boxes.at(k)->isHidden(), k >= 28) << k;
    }
}

TEST_F(PickerFolder, TenColumnsWhenDeviceInfoIniExists)
{
    writeLayoutFile();
    QWidget host;
    TPortUitForm *picker = TPortUitForm::createUnit1(&host);
    EXPECT_EQ(rowsOfVisibleBoxes(*picker), (QList<int>{10, 10, 8}));
    EXPECT_EQ(picker->checkBoxes().at(10)->geometry().left(), 20);
}

TEST_F(PickerFolder, ShowUnitByModelAndIgnoringBadUnits)
{
    QWidget host;
    TPortUitForm picker(&host);
    picker.AddUnit("Unit1", TPortUitForm::PortsPerUnit, TPortUitForm::DefaultColumns);
    EXPECT_TRUE(picker.UnitPageControl()->tabBar()->isHidden());
    const auto shown = [&picker] {
        int n = 0;
        for (QCheckBox *box : picker.checkBoxes())
            n += box->isHidden() ? 0 : 1;
        return n;
    };
    picker.ShowUnit("x", "NX-2400P");
    picker.ShowUnit("2", "NX-2400P");
    picker.ShowUnit("0", "NX-2400P");
    EXPECT_EQ(shown(), 0);
    EXPECT_EQ(picker.pageCaption(1), "Unit1");
    picker.ShowUnit("1", "NX-9999");
    EXPECT_EQ(shown(), 0);
    picker.ShowUnit("1", "nx-2400p");
    EXPECT_EQ(shown(), 28);
    EXPECT_EQ(picker.pageCaption(1), "Unit1 NX-9999 nx-2400p");
    EXPECT_EQ(TPortUitForm::portsOfModel("NX-4800P"), 52);
    EXPECT_EQ(TPortUitForm::portsOfModel("nx-2400g"), 28);
    EXPECT_EQ(TPortUitForm::portsOfModel(""), 0);
    EXPECT_EQ(picker.portBox(1, 28), picker.checkBoxes().at(27));
    EXPECT_EQ(picker.portBox(1, 65), nullptr);
    EXPECT_EQ(picker.portBox(2, 1), nullptr);
}

TEST(TPortUitForm, ZeroColumnsStillLaysOutOneColumn)
{
    TPortUitForm picker(nullptr);
    picker.AddUnit("Unit1", 3, 0);
    EXPECT_EQ(picker.checkBoxes().at(2)->geometry().left(), 20);
    EXPECT_GT(picker.checkBoxes().at(2)->geometry().top(), picker.checkBoxes().at(1)->geometry().top());
}

constexpr QxSNMPVarItem kPorts[] = {
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", QxSyntax::bitstr, QxAccess::readwrite},
    {},
};

TEST(TPortUitForm, BoundBoxesShowCollectAndClearAPortList)
{
    QWidget host;
    TPortUitForm *picker = TPortUitForm::createUnit1(&host);
    QxSNMPRequest2Edits binding(&host);
    binding.varList() = QxSNMPVarList(kPorts, SVT_SV, 0);
    binding.bindBitList(0, TPortUitForm::allPortsBitList(), picker->checkBoxes());
    EXPECT_TRUE(TPortUitForm::allPortsBitList().startsWith("0,1,2,"));
    EXPECT_TRUE(TPortUitForm::allPortsBitList().endsWith(",62,63"));

    binding.varList().item(0).valueText = "F000000000000001";
    binding.showValues();
    for (int k = 0; k < 64; ++k)
        EXPECT_EQ(picker->checkBoxes().at(k)->isChecked(), k < 4 || k == 63) << k;

    // A switch that sends 4 octets for its 28 ports: the boxes beyond are clear.
    binding.varList().item(0).valueText = "80000010";
    binding.showValues();
    EXPECT_TRUE(picker->checkBoxes().at(0)->isChecked());
    EXPECT_TRUE(picker->checkBoxes().at(27)->isChecked());
    EXPECT_FALSE(picker->checkBoxes().at(63)->isChecked());

    picker->checkBoxes().at(40)->setChecked(true);
    binding.collectValues(QxSNMPRequest2Edits::AllVariables);
    EXPECT_EQ(binding.varList().item(0).valueText, "8000001000800000");

    picker->ClearAll();
    for (QCheckBox *box : picker->checkBoxes())
        EXPECT_FALSE(box->isChecked());
    binding.collectValues(QxSNMPRequest2Edits::AllVariables);
    EXPECT_EQ(binding.varList().item(0).valueText, "0000000000000000");
}

TEST(StackPort, GlobalNumbersAndBack)
{
    EXPECT_EQ(StackPort::global(1, 1), 1);
    EXPECT_EQ(StackPort::global(1, 28), 28);
    EXPECT_EQ(StackPort::global(2, 1), 65);
    const auto back = [](int g) {
        const StackPort p = StackPort::fromGlobal(g);
        return QPair<int, int>(p.unit, p.port);
    };
    EXPECT_EQ(back(0), (QPair<int, int>(0, 0)));
    EXPECT_EQ(back(1), (QPair<int, int>(1, 1)));
    EXPECT_EQ(back(28), (QPair<int, int>(1, 28)));
    EXPECT_EQ(back(64), (QPair<int, int>(1, 64)));
    EXPECT_EQ(back(65), (QPair<int, int>(2, 1)));
    EXPECT_EQ(back(128), (QPair<int, int>(2, 64)));
}

} // namespace
