VERSION 5.00
Object = "{7D3B52E1-4C0A-4B8E-9F21-6A5C3E80D1B4}#1.0#0"; "zokKL4VB.ocx"
Begin VB.Form frmChart 
   Caption         =   "Chart"
   ClientHeight    =   4200
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   6000
   LinkTopic       =   "Form1"
   ScaleHeight     =   280
   ScaleMode       =   3  'Pixel
   ScaleWidth      =   400
   StartUpPosition =   3  'Windows Default
   Begin VB.PictureBox picPlot 
      BackColor       =   &H00FFFFFF&
      Height          =   3255
      Left            =   120
      ScaleHeight     =   -100
      ScaleLeft       =   -50
      ScaleMode       =   0  'User
      ScaleTop        =   50
      ScaleWidth      =   100
      TabIndex        =   0
      Top             =   120
      Width           =   5775
      Begin VB.Line linAxisX 
         BorderColor     =   &H00808080&
         X1              =   -50
         X2              =   50
         Y1              =   0
         Y2              =   0
      End
      Begin VB.Line linAxisY 
         BorderColor     =   &H00808080&
         X1              =   0
         X2              =   0
         Y1              =   50
         Y2              =   -50
      End
      Begin VB.Label lblOrigin 
         BackStyle       =   0  'Transparent
         Caption         =   "0,0"
         Height          =   255
         Left            =   2880
         TabIndex        =   3
         Top             =   1620
         Width           =   495
      End
      Begin VB.Shape shpPoint 
         FillColor       =   &H000000FF&
         FillStyle       =   0  'Solid
         Height          =   255
         Left            =   4200
         Shape           =   3  'Circle
         Top             =   600
         Width           =   255
      End
   End
   Begin VB.Frame fraRange 
      Caption         =   "Range"
      Height          =   615
      Left            =   120
      TabIndex        =   4
      Top             =   3480
      Width           =   2775
      Begin VB.TextBox txtFrom 
         Height          =   285
         Left            =   120
         TabIndex        =   5
         Text            =   "-50"
         Top             =   240
         Width           =   1215
      End
      Begin VB.TextBox txtTo 
         Height          =   285
         Left            =   1440
         TabIndex        =   6
         Text            =   "50"
         Top             =   240
         Width           =   1215
      End
   End
   Begin VB.CommandButton cmdClose 
      Caption         =   "Close"
      Height          =   375
      Left            =   4800
      TabIndex        =   1
      Top             =   3600
      Width           =   1095
   End
   Begin VB.CommandButton cmdRedraw 
      Caption         =   "Redraw"
      Height          =   375
      Left            =   3600
      TabIndex        =   2
      Top             =   3600
      Width           =   1095
   End
   Begin zokKL4VB.zokKelvane zokKelvane1 
      Left            =   3000
      Top             =   3600
      _ExtentX        =   847
      _ExtentY        =   847
      ControlSettings =   "chart.frx":0000
      AlignBLeft      =   0
      AlignBTop       =   0
      AlignBBottom    =   0
      AlignBRight     =   0
   End
End
Attribute VB_Name = "frmChart"
