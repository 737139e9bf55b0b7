VERSION 5.00
Object = "{3A2F9C11-7B44-4D2E-A0C5-19E8D2B7F601}#2.0#0"; "NOVACTL.OCX"
Begin VB.MDIForm mdiWork 
   BackColor       =   &H8000000C&
   Caption         =   "Dispatch"
   ClientHeight    =   6000
   ClientLeft      =   165
   ClientTop       =   735
   ClientWidth     =   9000
   LinkTopic       =   "MDIForm1"
   StartUpPosition =   3  'Windows Default
   Begin VB.Timer tmrClock 
      Interval        =   1000
      Left            =   8280
      Top             =   720
   End
   Begin VB.PictureBox picTools 
      Align           =   1  'Align Top
      Height          =   495
      Left            =   0
      ScaleHeight     =   435
      ScaleWidth      =   8940
      TabIndex        =   0
      Top             =   0
      Width           =   9000
      Begin VB.CommandButton cmdNew 
         Caption         =   "&New"
         Height          =   375
         Left            =   60
         TabIndex        =   1
         Top             =   30
         Width           =   975
      End
   End
   Begin NovaCtl.StatusBar sbMain 
      Align           =   2  'Align Bottom
      Height          =   375
      Left            =   0
      TabIndex        =   2
      Top             =   5625
      Width           =   9000
      _ExtentX        =   15875
      _ExtentY        =   661
      _Version        =   393216
      BeginProperty Panels {8E3867A5-8586-11D1-B16A-00C0F0283628} 
         NumPanels       =   1
         BeginProperty Panel1 {8E3867AB-8586-11D1-B16A-00C0F0283628} 
            AutoSize        =   1
            Object.Width           =   15346
         EndProperty
      EndProperty
   End
   Begin VB.Menu mnuWindow 
      Caption         =   "&Window"
      WindowList      =   -1  'True
   End
End
Attribute VB_Name = "mdiWork"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
