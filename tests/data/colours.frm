VERSION 5.00
Begin VB.Form frmColours 
   Caption         =   "Colours"
   ClientHeight    =   2400
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   4800
   LinkTopic       =   "Form1"
   ScaleHeight     =   2400
   ScaleWidth      =   4800
   StartUpPosition =   3  'Windows Default
   Begin VB.PictureBox picBand 
      BackColor       =   &H00800000&
      BorderStyle     =   0  'None
      Height          =   1680
      Left            =   0
      ScaleHeight     =   1680
      ScaleWidth      =   4800
      TabIndex        =   0
      Top             =   0
      Width           =   4800
      Begin VB.Label lblClear 
         BackColor       =   &H000000FF&
         BackStyle       =   0  'Transparent
         Caption         =   "Over the band"
         ForeColor       =   &H00FFFFFF&
         Height          =   255
         Left            =   120
         TabIndex        =   1
         Top             =   120
         Width           =   2175
      End
      Begin VB.Label lblPlain 
         Caption         =   "In its own grey"
         Height          =   255
         Left            =   120
         TabIndex        =   2
         Top             =   480
         Width           =   2175
      End
      Begin VB.CheckBox chkPlain 
         Caption         =   "Check"
         Height          =   255
         Left            =   120
         TabIndex        =   3
         Top             =   840
         Width           =   2175
      End
      Begin VB.OptionButton optPlain 
         Caption         =   "Option"
         Height          =   255
         Left            =   120
         TabIndex        =   4
         Top             =   1200
         Width           =   2175
      End
      Begin VB.Frame fraPlain 
         Caption         =   "Frame"
         Height          =   1335
         Left            =   2520
         TabIndex        =   5
         Top             =   120
         Width           =   2055
         Begin VB.CommandButton cmdInFrame 
            BackColor       =   &H000000FF&
            Caption         =   "Button"
            Height          =   375
            Left            =   120
            TabIndex        =   9
            Top             =   780
            Width           =   1215
         End
         Begin VB.TextBox txtInFrame 
            Height          =   285
            Left            =   120
            TabIndex        =   8
            Text            =   "white"
            Top             =   360
            Width           =   1815
         End
      End
   End
   Begin VB.ComboBox cboList 
      Height          =   315
      Left            =   120
      Style           =   2  'Dropdown List
      TabIndex        =   6
      Top             =   1920
      Width           =   2175
   End
   Begin VB.ComboBox cboTyped 
      Height          =   315
      Left            =   2520
      TabIndex        =   7
      Text            =   "typed"
      Top             =   1920
      Width           =   2055
   End
End
Attribute VB_Name = "frmColours"
